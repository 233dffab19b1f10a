// The floor for start-up time and memory: the least a Qt program that shows
// text can do — a window of the same size with one label and one text field.
// Like the real program under DISTANCIA_LNB_QUIT_AFTER_FIRST_PAINT, it ends
// once its first frame is painted.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

namespace {

class QuitAfterFirstPaint : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(805, 643);
    QLabel label("Distancia aplicable", &window);
    label.move(20, 20);
    QLineEdit field("80", &window);
    field.move(20, 60);
    QuitAfterFirstPaint quit;
    window.installEventFilter(&quit);
    window.show();
    return QApplication::exec();
}

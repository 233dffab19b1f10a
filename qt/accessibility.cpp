// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/accessibility.hpp"

#include <QAccessibleWidget>
#include <QWidget>

namespace lnb {
namespace {

// A window whose accessible children are only the controls it can show.
class AccessibleWindow : public QAccessibleWidget {
  public:
    explicit AccessibleWindow(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override {
        const QWidgetList children = shownChildren();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        return static_cast<int>(shownChildren().indexOf(qobject_cast<QWidget*>(child->object())));
    }

  private:
    QWidgetList shownChildren() const {
        QWidgetList shown;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !child->isHidden())
                shown.append(child);
        }
        return shown;
    }
};

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("lnb::FrmMain"))
        return new AccessibleWindow(widget);
    if (className == QLatin1String("lnb::Frame"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(createInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace lnb

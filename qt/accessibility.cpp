// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/accessibility.hpp"

#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

#include "qt/frame.hpp"

namespace lnb {
namespace {

// A window, or a frame, whose accessible children are only the controls it
// shows: not the hidden work fields, not a frame's caption, which is already
// the frame's own name.
class AccessibleContainer : public QAccessibleWidget {
  public:
    AccessibleContainer(QWidget* container, QAccessible::Role role, const QWidget* left = nullptr)
        : QAccessibleWidget(container, role), left_(left) {}

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
            if (child && child != left_ && !child->isWindow() && !child->isHidden())
                shown.append(child);
        }
        return shown;
    }

    const QWidget* left_;
};

QAccessibleInterface* createInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("lnb::FrmMain"))
        return new AccessibleContainer(widget, QAccessible::Window);
    if (auto* frame = qobject_cast<Frame*>(widget))
        return new AccessibleContainer(frame, QAccessible::Grouping, frame->captionLabel());
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/menus.hpp"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

namespace lnb {
namespace {

QString toQString(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace

void addCopyEntries(QMenu& menu, const std::vector<CopyEntry>& entries) {
    for (const CopyEntry& entry : entries) {
        QAction* action = menu.addAction(toQString(entry.words));
        action->setEnabled(entry.enabled);
        const QString text = toQString(entry.text);
        QObject::connect(action, &QAction::triggered, &menu,
                         [text]() noexcept { QGuiApplication::clipboard()->setText(text); });
    }
}

}  // namespace lnb

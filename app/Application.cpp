#include "app/Application.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumorca::gui {

std::string ClipboardLatin1() {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return {};
    const QByteArray bytes = clipboard->text().toLatin1();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace lumorca::gui

#include "windows/ChildForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QResizeEvent>

namespace lumorca::gui {

namespace {
// A child narrower than this has been shrunk away by the user.
constexpr int SwitchOffWidth = 160;
// The stored state of a minimised, that is switched-off, window.
constexpr std::uint8_t SwitchedOffState = 1;
}

TChildForm::TChildForm(TChildHost* host, const QString& tag, QWidget* parent)
    : QMdiSubWindow(parent), host_(host), tag_(tag) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    setOption(QMdiSubWindow::RubberBandResize, false);
    connect(this, &QMdiSubWindow::aboutToActivate, this, &TChildForm::Activated);
}

void TChildForm::Bind(QAction* winAction, std::uint8_t* winState) {
    WinAction_ = winAction;
    WinState_ = winState;
}

void TChildForm::ReflectState(std::uint8_t state) {
    const bool visible = state != SwitchedOffState;
    if (WinAction_ && WinAction_->isChecked() != visible) WinAction_->setChecked(visible);
    if (WinState_ && *WinState_ != state) *WinState_ = state;
}

std::uint8_t TChildForm::CurrentState() const {
    if (isMinimized()) return 1;
    if (isMaximized()) return 2;
    return 0;
}

void TChildForm::SetState(std::uint8_t state) {
    switch (state) {
        case 1: showMinimized(); break;
        case 2: showMaximized(); break;
        default: showNormal(); break;
    }
}

void TChildForm::closeEvent(QCloseEvent* event) {
    if (host_ == nullptr) return QMdiSubWindow::closeEvent(event);
    host_->ChildTrace(tag_ + QStringLiteral("FormClose."));
    event->ignore();
    showMinimized();
}

void TChildForm::resizeEvent(QResizeEvent* event) {
    QMdiSubWindow::resizeEvent(event);
    if (host_ == nullptr || host_->IsArranging()) return;
    if (event->size() != event->oldSize() && !isMinimized() && !isMaximized() &&
        event->oldSize().isValid() && event->size().width() <= SwitchOffWidth) {
        host_->ReflectWindowState(this, 1);
        return;
    }
    host_->ChildTrace(tag_ + (isMinimized() ? QStringLiteral(" Minimzed") : QStringLiteral(" Normal")));
    host_->FormResize();
}

void TChildForm::changeEvent(QEvent* event) {
    QMdiSubWindow::changeEvent(event);
    if (host_ == nullptr || event->type() != QEvent::WindowStateChange || host_->IsArranging())
        return;
    // Activation also changes the window state; only minimising, maximising
    // and restoring switch the window.
    const Qt::WindowStates relevant = Qt::WindowMinimized | Qt::WindowMaximized;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if ((change->oldState() & relevant) == (windowState() & relevant)) return;
    host_->ReflectWindowState(this, CurrentState());
    host_->FormResize();
}

void TChildForm::hideEvent(QHideEvent* event) {
    QMdiSubWindow::hideEvent(event);
    if (host_ != nullptr) host_->ChildTrace(tag_ + QStringLiteral("FormHide."));
}

}  // namespace lumorca::gui

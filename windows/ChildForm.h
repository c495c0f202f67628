#pragma once
// A child window of the main frame. Closing only switches it off: it is
// minimised, and a minimised window counts as switched off.
#include <QMdiSubWindow>
#include <cstdint>

class QAction;

namespace lumorca::gui {

class TChildForm;

// What a child window needs from the main window.
class TChildHost {
public:
    virtual ~TChildHost() = default;
    virtual bool IsArranging() const = 0;
    virtual void ReflectWindowState(TChildForm* child, std::uint8_t state) = 0;
    virtual void FormResize() = 0;
    virtual void ChildTrace(const QString& line) = 0;
};

class TChildForm : public QMdiSubWindow {
    Q_OBJECT
public:
    TChildForm(TChildHost* host, const QString& tag, QWidget* parent = nullptr);

    // The menu item that switches the window, and the State of its options.
    void Bind(QAction* winAction, std::uint8_t* winState);
    QAction* WinAction() const { return WinAction_; }
    // Ticks the menu item and records the state a change left the window in.
    void ReflectState(std::uint8_t state);

    // 0 normal, 1 minimised, 2 maximised.
    std::uint8_t CurrentState() const;
    void SetState(std::uint8_t state);
    const QString& Tag() const { return tag_; }
    // The main window is going away: events from here on reach nobody.
    void DetachHost() { host_ = nullptr; }

signals:
    void Activated();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TChildHost* host_;
    QString tag_;
    QAction* WinAction_ = nullptr;
    std::uint8_t* WinState_ = nullptr;
};

}  // namespace lumorca::gui

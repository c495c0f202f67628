#pragma once
// Modal boxes and dialogs as the user meets them: whether the next one that
// opens is the active window in front, what it says, which window it stands
// over, and answering it with keys.
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

namespace lumorca::gui::test {

struct TSeenBox {
    bool Shown = false;
    // The active window and the modal one, with no window kept above it.
    bool InFront = false;
    QString Title;
    QString Text;               // of a message box
    QWidget* Opener = nullptr;  // the window it stands over
};

// Waits in the background for the next modal box or dialog, notes what is
// seen and answers it: by default with one key, else with `answer`.
class TBoxWatch : public QObject {
public:
    explicit TBoxWatch(int key, std::function<void(QWidget*)> answer = {})
        : key_(key), answer_(std::move(answer)) {
        connect(&timer_, &QTimer::timeout, this, &TBoxWatch::Look);
        timer_.start(PollInterval);
    }
    TSeenBox Seen;

private:
    static constexpr int PollInterval = 10;
    static constexpr int ActivationPolls = 100;

    void Look() {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr || !box->isVisible()) return;
        // Activation arrives a little after the window shows.
        if (QApplication::activeWindow() != box && ++polls_ < ActivationPolls) return;
        timer_.stop();
        Seen.Shown = true;
        Seen.InFront = QApplication::activeWindow() == box && !HiddenBehind(box);
        Seen.Title = box->windowTitle();
        if (const auto* message = qobject_cast<QMessageBox*>(box)) Seen.Text = message->text();
        Seen.Opener = box->parentWidget() != nullptr ? box->parentWidget()->window() : nullptr;
        if (answer_) {
            answer_(box);
        } else {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus != nullptr && focus->window() == box ? focus : box,
                            static_cast<Qt::Key>(key_));
        }
    }

    // A window that always stays on top and is not one the box stands over
    // hides it.
    static bool HiddenBehind(const QWidget* box) {
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window == box || !window->isVisible() ||
                !(window->windowFlags() & Qt::WindowStaysOnTopHint))
                continue;
            const QWidget* opener = box->parentWidget();
            while (opener != nullptr && opener != window) opener = opener->parentWidget();
            if (opener == nullptr) return true;
        }
        return false;
    }

    QTimer timer_;
    int key_;
    std::function<void(QWidget*)> answer_;
    int polls_ = 0;
};

}  // namespace lumorca::gui::test

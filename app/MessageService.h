#pragma once
// Modal message boxes behind an interface, so that tests can answer them.
#include <QString>

class QWidget;

namespace lumorca::gui {

enum class TAnswer { Ok, Yes, No, Cancel };

class TMessageService {
public:
    virtual ~TMessageService() = default;
    virtual void Error(QWidget* parent, const QString& text) = 0;
    // Buttons Yes and Cancel.
    virtual TAnswer ConfirmYesCancel(QWidget* parent, const QString& text) = 0;
    // Buttons Yes, No and Cancel.
    virtual TAnswer ConfirmYesNoCancel(QWidget* parent, const QString& text) = 0;
    // Buttons Yes and No, with a caption.
    virtual TAnswer AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
};

// The platform's message boxes.
class TMessageBoxes : public TMessageService {
public:
    void Error(QWidget* parent, const QString& text) override;
    TAnswer ConfirmYesCancel(QWidget* parent, const QString& text) override;
    TAnswer ConfirmYesNoCancel(QWidget* parent, const QString& text) override;
    TAnswer AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
};

}  // namespace lumorca::gui

#include "app/ListingBar.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "texts/TextIds.h"

namespace lumorca::gui {

TListingBar::TListingBar(std::function<QString(int)> text, QWidget* parent)
    : QFrame(parent), text_(std::move(text)) {
    setObjectName(QStringLiteral("ListingBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    // The colours of an information bar, readable under any style.
    setStyleSheet(QStringLiteral("#ListingBar { background: #fff4c4; border: 1px solid #d8b44a; }"
                                 "#ListingBarMessage { color: #000000; }"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 2, 2);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("ListingBarMessage"));
    message_->setTextFormat(Qt::PlainText);
    // A long path must not widen the source window.
    message_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    reload_ = new QPushButton(this);
    reload_->setObjectName(QStringLiteral("ListingBarReload"));
    reload_->setAutoDefault(false);
    close_ = new QToolButton(this);
    close_->setObjectName(QStringLiteral("ListingBarClose"));
    close_->setAutoRaise(true);
    close_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    layout->addWidget(message_, 1);
    layout->addWidget(reload_);
    layout->addWidget(close_);
    connect(reload_, &QPushButton::clicked, this, &TListingBar::ReloadClicked);
    connect(close_, &QToolButton::clicked, this, &TListingBar::Dismiss);
    hide();
}

void TListingBar::ShowChange(TKind kind, const QString& fileName) {
    kind_ = kind;
    fileName_ = fileName;
    Retext();
    // Only a readable listing can be reloaded.
    reload_->setVisible(kind == TKind::Changed);
    const bool wasShown = shown_;
    shown_ = true;
    show();
    if (!wasShown) emit ShownChanged();
}

void TListingBar::Dismiss() {
    if (!shown_) return;
    shown_ = false;
    hide();
    emit ShownChanged();
}

QString TListingBar::Message() const { return MessageNaming(fileName_); }

QString TListingBar::MessageNaming(const QString& fileName) const {
    switch (kind_) {
        case TKind::Changed:
            return text_(TextChanged).replace(QStringLiteral("%s"), fileName);
        case TKind::Removed:
            return text_(TextRemoved).replace(QStringLiteral("%s"), fileName);
        case TKind::Unreadable:
            return text_(TextUnreadable).replace(QStringLiteral("%s"), fileName);
        case TKind::NotListing:
            return text_(TextNotListing);
    }
    return {};
}

void TListingBar::Retext() {
    // The bar is as narrow as the source window: it names the file, the tool
    // tip gives the whole path.
    message_->setText(MessageNaming(QFileInfo(fileName_).fileName()));
    message_->setToolTip(Message());
    reload_->setText(text_(TextReload));
}

}  // namespace lumorca::gui

#include "output/ask_text_dialog.h"

#include "output/edit_mask.h"
#include "output/qt_texts.h"
#include "output/text_routines.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

namespace tev {
namespace {

constexpr unsigned char kNoInputCode = 0;
constexpr unsigned char kHiddenInputCode = 1;
constexpr unsigned char kCountdownCode = 27;
// A hidden input shows this character for every typed one.
constexpr char kEchoCharacter = '@';

class AtSignEcho : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return kEchoCharacter;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

std::string LastInputText;

QString CountdownCaption(int count, const std::string& tail) {
    char number[16];
    std::snprintf(number, sizeof number, "%3d", count);
    return QString::fromLatin1(number) + ShownText(tail);
}

} // namespace

AskTextDialog::AskTextDialog(const TextRequest& request, QWidget* parent) : QDialog(parent) {
    setObjectName("AskText");
    std::string caption = request.caption;
    std::string text = caption; // the caption without code and countdown
    bool hideInput = false;
    bool hidden = request.password;
    if (!caption.empty()) {
        const auto code = static_cast<unsigned char>(caption[0]);
        if (code == kNoInputCode || code == kHiddenInputCode) {
            hideInput = code == kNoInputCode;
            hidden = hidden || code == kHiddenInputCode;
            caption.erase(0, 1);
            text = caption;
        } else if (code == kCountdownCode && caption.size() >= 2) {
            countdown_ = static_cast<unsigned char>(caption[1]);
            text = caption.substr(2);
            caption = "    " + text;
        }
    }
    std::string hint;
    if (const size_t split = caption.find(';'); split != std::string::npos) {
        hint = caption.substr(split + 1);
        caption.resize(split);
    }
    dosValue_ = !text.empty() && text[0] == ' ';
    maxLength_ = std::max(request.maxLength, 0);
    setWindowTitle(ShownText(caption));

    prompt_ = new QLabel(ShownText(request.prompt), this);
    prompt_->setObjectName("Label1");
    prompt_->setWordWrap(true);
    edit_ = new QLineEdit(this);
    edit_->setObjectName("Edit");
    edit_->setToolTip(ShownText(hint));
    std::string mask = request.mask;
    const QRect screen = AvailableScreen();
    int width = 0;
    if (mask == " ") {
        mask.clear();
        width = screen.width() - 30;
    } else {
        const int longest = static_cast<int>(std::max(request.value.size(), request.prompt.size()));
        const int m = std::min({longest, std::abs(request.width), 100});
        width = std::min(std::max(8 * m, 350), 630);
    }
    const InputFieldMask fieldMask = InputMaskFor(mask, request.width);
    if (!fieldMask.pattern.empty()) edit_->setInputMask(QString::fromStdString(fieldMask.pattern));
    int limit = maxLength_;
    if (fieldMask.maxLength > 0) limit = std::min(limit, fieldMask.maxLength);
    edit_->setMaxLength(std::max(limit, 1));
    edit_->setText(ShownText(dosValue_ ? FromOemText(request.value) : request.value));
    edit_->selectAll();
    if (hidden) {
        auto* echo = new AtSignEcho;
        echo->setParent(this);
        edit_->setStyle(echo);
        edit_->setEchoMode(QLineEdit::Password);
    }
    edit_->setVisible(!hideInput);

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OKBtn");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Abbruch", this);
    cancel_->setObjectName("CancelBtn");
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(edit_);
    layout->addLayout(buttons);
    setMinimumWidth(std::min(width, screen.width()));
    resize(minimumWidth(), sizeHint().height());

    if (countdown_ > 0) {
        captionTail_ = caption.substr(3);
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, &AskTextDialog::Tick);
        timer_->start(1000);
    }
}

void AskTextDialog::Tick() {
    --countdown_;
    setWindowTitle(CountdownCaption(countdown_, captionTail_));
    if (countdown_ <= 0) {
        timer_->stop();
        reject();
    }
}

std::string AskTextDialog::Typed() const {
    std::string typed = TypedText(edit_->text());
    if (dosValue_) typed = ToOemText(typed);
    if (typed.size() > static_cast<size_t>(maxLength_)) typed.resize(maxLength_);
    return typed;
}

bool AskTextDialog::Ask(TextRequest& request, QWidget* parent) {
    AskTextDialog dialog(request, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    request.value = dialog.Typed();
    LastInputText = request.value;
    return true;
}

const std::string& AskTextDialog::LastInput() {
    return LastInputText;
}

} // namespace tev

#include "platform/message_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <vector>

#include "platform/forms.h"
#include "platform/look.h"
#include "platform/qt_bridge.h"

namespace platform {

namespace {

struct Choice {
    const char* text;
    int answer;
};

std::vector<Choice> choicesFor(int style) {
    switch (style & 0x0F) {
        case forms::vbOKCancel:
            return {{"确定", forms::vbOK}, {"取消", forms::vbCancel}};
        case forms::vbAbortRetryIgnore:
            return {{"中止", forms::vbAbort}, {"重试", forms::vbRetry}, {"忽略", forms::vbIgnore}};
        case forms::vbYesNoCancel:
            return {{"是", forms::vbYes}, {"否", forms::vbNo}, {"取消", forms::vbCancel}};
        case forms::vbYesNo:
            return {{"是", forms::vbYes}, {"否", forms::vbNo}};
        case forms::vbRetryCancel:
            return {{"重试", forms::vbRetry}, {"取消", forms::vbCancel}};
        default:
            return {{"确定", forms::vbOK}};
    }
}

std::optional<QStyle::StandardPixmap> iconFor(int style) {
    switch (style & 0xF0) {
        case forms::vbCritical:
            return QStyle::SP_MessageBoxCritical;
        case forms::vbQuestion:
            return QStyle::SP_MessageBoxQuestion;
        case forms::vbExclamation:
            return QStyle::SP_MessageBoxWarning;
        case forms::vbInformation:
            return QStyle::SP_MessageBoxInformation;
        default:
            return std::nullopt;
    }
}

// Escape and the close box answer like the box's cancel button, or its only button;
// a box without either cannot be closed that way.
class MessageDialog : public QDialog {
public:
    MessageDialog() { openBoxes().push_back(this); }
    ~MessageDialog() override { std::erase(openBoxes(), this); }
    static std::vector<MessageDialog*>& openBoxes() {
        static std::vector<MessageDialog*> boxes;
        return boxes;
    }
    bool closable = false;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape && !closable) return;
        QDialog::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        if (!closable) {
            e->ignore();
            return;
        }
        QDialog::closeEvent(e);
    }
};

}  // namespace

void closeMessageDialogs() {
    for (MessageDialog* box : MessageDialog::openBoxes()) box->reject();
}

int showMessageDialog(const std::string& prompt, int style, const std::string& title) {
    const std::vector<Choice> choices = choicesFor(style);
    MessageDialog box;
    box.setWindowTitle(forms::qt::q(title));
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    box.setObjectName(QStringLiteral("messageBox"));
    const QFont font = forms::look::font({.name = "微软雅黑", .size = 9});
    box.setFont(font);

    auto* panel = new QWidget(&box);  // the white message area above the button strip
    forms::look::paintBackground(panel, forms::kWindowBackground);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(12, 16, 24, 16);
    row->setSpacing(12);
    if (auto icon = iconFor(style)) {
        auto* picture = new QLabel(panel);
        picture->setObjectName(QStringLiteral("icon"));
        picture->setPixmap(box.style()->standardIcon(*icon).pixmap(32, 32));
        picture->setAlignment(Qt::AlignTop);
        row->addWidget(picture, 0, Qt::AlignTop);
    } else {
        row->setContentsMargins(20, 16, 24, 16);
    }
    auto* text = new QLabel(panel);
    text->setObjectName(QStringLiteral("prompt"));
    text->setTextFormat(Qt::PlainText);  // prompts are never read as markup
    text->setText(forms::qt::q(prompt));
    text->setFont(font);
    // As wide as its longest line, up to about half the screen; longer lines wrap.
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : text->text().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const QScreen* screen = QApplication::primaryScreen();
    const int limit = screen ? std::max(320, screen->availableGeometry().width() / 2) : 640;
    if (widest + 4 > limit) {
        text->setWordWrap(true);
        text->setFixedWidth(limit);
    } else {
        text->setMinimumWidth(widest + 4);
    }
    row->addWidget(text, 1, Qt::AlignVCenter);

    auto* strip = new QWidget(&box);
    forms::look::paintBackground(strip, forms::kButtonFace);
    auto* buttonsRow = new QHBoxLayout(strip);
    buttonsRow->setContentsMargins(12, 10, 12, 10);
    buttonsRow->setSpacing(8);
    buttonsRow->addStretch(1);
    std::vector<QPushButton*> buttons;
    for (const Choice& c : choices) {
        auto* b = new QPushButton(QString::fromUtf8(c.text), strip);
        b->setMinimumSize(88, 26);
        b->setAutoDefault(true);
        QObject::connect(b, &QPushButton::clicked, &box, [&box, b] {
            box.setProperty("clicked", QVariant::fromValue(static_cast<QObject*>(b)));
            box.accept();
        });
        buttonsRow->addWidget(b);
        buttons.push_back(b);
    }

    auto* layout = new QVBoxLayout(&box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(strip);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // At least wide enough for the title and the buttons, as the desktop's boxes are.
    box.setMinimumWidth(std::max(180, metrics.horizontalAdvance(box.windowTitle()) + 120));

    std::size_t defaultIndex = static_cast<std::size_t>((style & 0xF00) >> 8);
    if (defaultIndex >= buttons.size()) defaultIndex = 0;
    buttons[defaultIndex]->setDefault(true);
    buttons[defaultIndex]->setFocus();
    const bool hasCancel = choices.back().answer == forms::vbCancel || choices.size() == 1;
    box.closable = hasCancel;

    box.exec();
    auto* clicked = box.property("clicked").value<QObject*>();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (clicked == buttons[i]) return choices[i].answer;
    return choices.back().answer;  // closed: the cancel button, or the only one
}

}  // namespace platform

// SPDX-License-Identifier: MIT
#include "windows/lookup_window.h"

#include "lookup/data_file.h"
#include "lookup/key_filter.h"
#include "windows/centre.h"
#include "windows/line_edit_box.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace {

constexpr qreal kLabelPoints = 14.25;
constexpr qreal kButtonPoints = 9.75;

void setBackground(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

QLabel* makeLabel(const LookupWindowDesign::Label& design, QWidget* frame) {
    auto* label = new QLabel(design.caption, frame);
    label->setObjectName(design.name);
    label->setGeometry(design.geometry);
    label->setFont(design::boldFont(design::Face::TimesNewRoman, kLabelPoints));
    label->setAlignment(design.alignment | Qt::AlignTop);
    label->setAutoFillBackground(true);
    setBackground(*label, QPalette::Window, design::kLightCyan);
    return label;
}

QLineEdit* makeBox(const LookupWindowDesign::Box& design, QWidget* frame) {
    auto* box = new QLineEdit(frame);
    box->setObjectName(design.name);
    box->setGeometry(design.geometry);
    box->setFont(design::boldFont(design::Face::MsSansSerif, design.points));
    box->setMaxLength(design.maxLength);
    return box;
}

} // namespace

LookupWindow::LookupWindow(const LookupWindowDesign& design, std::filesystem::path dataFile)
    : design_(design), dataFile_(std::move(dataFile)) {
    setObjectName(design.windowName);
    setWindowTitle(design.caption);
    resize(design.clientSize);

    auto* frame = new QGroupBox(this);
    frame->setObjectName(design.frameName);
    frame->setGeometry(design.frameGeometry);
    input_ = makeBox(design.input, frame);
    output_ = makeBox(design.output, frame);
    // Each box takes its label's text as its name, so that a screen reader announces it.
    makeLabel(design.inputLabel, frame)->setBuddy(input_);
    makeLabel(design.outputLabel, frame)->setBuddy(output_);

    std::vector<std::pair<int, QWidget*>> tabOrder = {{design.input.tabIndex, input_},
                                                      {design.output.tabIndex, output_}};
    const std::array handlers = {&LookupWindow::Command1_Click, &LookupWindow::Command2_Click,
                                 &LookupWindow::Command3_Click, &LookupWindow::Command4_Click};
    for (std::size_t i = 0; i < design.buttons.size(); ++i) {
        const auto& buttonDesign = design.buttons[i];
        auto* button = new QPushButton(buttonDesign.caption, frame);
        button->setObjectName(buttonDesign.name);
        button->setGeometry(buttonDesign.geometry);
        button->setFont(design::boldFont(design::Face::MsSansSerif, kButtonPoints));
        // Enter and Esc press no button.
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, handlers[i]);
        tabOrder.emplace_back(buttonDesign.tabIndex, button);
    }
    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }

    input_->installEventFilter(this);
    connect(input_, &QLineEdit::textChanged, this, &LookupWindow::Text1_Change);
    connect(output_, &QLineEdit::textChanged, this, &LookupWindow::Text2_Change);
}

void LookupWindow::Form_Load() {
    centreOnScreen(*this);
}

void LookupWindow::Form_Activate() {
    input_->setFocus(Qt::ActiveWindowFocusReason);
}

short LookupWindow::Upper(short& KeyAscii) {
    KeyAscii = static_cast<short>(icao::filterTypedCharacter(static_cast<char32_t>(KeyAscii)));
    return KeyAscii;
}

void LookupWindow::Text1_KeyPress(short& KeyAscii) {
    KeyAscii = Upper(KeyAscii);
}

void LookupWindow::Text1_KeyDown() {
    setBackground(*input_, QPalette::Base, design::kYellow);
}

void LookupWindow::Text1_Change() {
    setBackground(*input_, QPalette::Base, design::kYellow);
}

void LookupWindow::Text2_Change() {
    setBackground(*output_, QPalette::Base, design::kYellow);
}

void LookupWindow::Command1_Click() {
    LineEditBox input(*input_);
    LineEditBox output(*output_);
    const auto outcome = design_.lookup(input, output, dataFile_);
    if (!outcome) {
        QMessageBox::warning(this, design_.caption,
                             "The airport data file cannot be used:\n" +
                                 QString::fromStdString(outcome.error().describe()));
    }
}

void LookupWindow::Command2_Click() {
    input_->setReadOnly(false);
    output_->setReadOnly(false);
    input_->setText(QString());
    output_->setText(QString());
    setBackground(*input_, QPalette::Base, design::kWhite);
    setBackground(*output_, QPalette::Base, design::kWhite);
    input_->setFocus(Qt::OtherFocusReason);
}

void LookupWindow::Command3_Click() {
    hide();
    emit returnRequested();
}

void LookupWindow::Command4_Click() {
    emit exitRequested();
}

bool LookupWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) {
        Form_Activate();
    }
    return QWidget::event(event);
}

bool LookupWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != input_ || event->type() != QEvent::KeyPress || replayingKey_) {
        return QWidget::eventFilter(watched, event);
    }
    auto* key = static_cast<QKeyEvent*>(event);
    Text1_KeyDown();
    const QString typed = key->text();
    if (typed.size() != 1) {
        return false;
    }
    const char16_t original = typed.at(0).unicode();
    short KeyAscii = static_cast<short>(original);
    Text1_KeyPress(KeyAscii);
    const auto filtered = static_cast<char16_t>(KeyAscii);
    if (filtered == original) {
        return false;
    }
    QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), QString(QChar(filtered)),
                       key->isAutoRepeat(), key->count());
    replayingKey_ = true;
    QCoreApplication::sendEvent(input_, &replaced);
    replayingKey_ = false;
    return true;
}

void LookupWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

// SPDX-License-Identifier: MIT
#include "windows/frm_main.h"

#include "lookup/data_file.h"
#include "platform/platform.h"
#include "windows/centre.h"
#include "windows/design.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>

namespace {

constexpr char kCaption[] = "GET ICAO/AIRPORT NAME - BY TOVRAMEK";
constexpr std::array kOptionCaptions = {"CODE2NAME", "NAME2CODE"};
constexpr std::array kOptionGeometry = {design::rect(1080, 480, 3255, 615),
                                        design::rect(1080, 1200, 3255, 615)};

} // namespace

frmMain::frmMain(std::filesystem::path dataFolder) : dataFolder_(std::move(dataFolder)) {
    setObjectName("frmMain");
    QIcon icon;
    icon.addFile(":/icons/icaolookup-16.png");
    icon.addFile(":/icons/icaolookup-32.png");
    setWindowIcon(icon);
    setFixedSize(design::pixels(5685), design::pixels(2340));

    Frame3 = new QGroupBox("YOUR CHOICE", this);
    Frame3->setObjectName("Frame3");
    Frame3->setGeometry(design::rect(0, 0, 5655, 2295));
    Frame3->setFont(design::boldFont(design::Face::MsSansSerif, 18));
    QPalette captionBlue = Frame3->palette();
    captionBlue.setColor(QPalette::WindowText, design::kBlue);
    Frame3->setPalette(captionBlue);

    for (short index = 0; index < 2; ++index) {
        auto* option = new QRadioButton(kOptionCaptions[index], Frame3);
        option->setObjectName("Option1");
        option->setProperty("Index", index);
        option->setGeometry(kOptionGeometry[index]);
        option->setFont(design::boldFont(design::Face::MsSansSerif, 18));
        // Only the frame's caption is blue; the options keep the usual text colour.
        QPalette plainText = option->palette();
        plainText.setColor(QPalette::WindowText,
                           QGuiApplication::palette().color(QPalette::WindowText));
        option->setPalette(plainText);
        option->installEventFilter(this);
        Option1[index] = option;
    }
    setTabOrder(Option1[0], Option1[1]);

    // Until the user moves it, the focus rests on the window itself: an option that took it
    // would choose at once.
    setFocusPolicy(Qt::ClickFocus);
    setFocus(Qt::OtherFocusReason);
}

void frmMain::Form_Load() {
    centreOnScreen(*this);
    Option1[0]->setChecked(false);
    Option1[1]->setChecked(false);
    if (!icao::dataFileCheck(dataFolder_)) {
        QMessageBox warning(QMessageBox::Warning, kMissingFileTitle, kMissingFilePrompt,
                            QMessageBox::Ok);
        warning.exec();
        emit endRequested();
        return;
    }
    makeTopmost();
}

void frmMain::makeTopmost() {
    // Only the native platform's winId() is a window handle; offscreen it is a counter, and
    // a small number may name another program's window, whose answer Windows would await.
    if (QGuiApplication::platformName() == QLatin1String("windows")) {
        icao::platform::keepWindowOnTop(static_cast<std::uintptr_t>(winId()));
    }
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void frmMain::Form_Resize() {
    setWindowTitle(kCaption);
    repaint();
}

void frmMain::Option1_GotFocus(short Index) {
    if (Index == 0 || Index == 1) {
        emit optionChosen(Index);
    }
}

void frmMain::Form_QueryUnload(short& Cancel, short UnloadMode) {
    constexpr short kFromControlMenu = 0;
    if (UnloadMode == kFromControlMenu) {
        Cancel = 1;
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        const QVariant index = watched->property("Index");
        if (index.isValid()) {
            Option1_GotFocus(static_cast<short>(index.toInt()));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::closeEvent(QCloseEvent* event) {
    // The program unloads the chooser without a close event, so one that arrives was asked
    // for from outside: by the session ending, or else from the title bar.
    constexpr short kFromControlMenu = 0;
    constexpr short kFromSessionEnd = 2;
    short cancel = 0;
    Form_QueryUnload(cancel, qApp->isSavingSession() ? kFromSessionEnd : kFromControlMenu);
    event->setAccepted(cancel == 0);
    if (event->isAccepted()) {
        emit closed();
    }
}

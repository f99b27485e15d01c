#include "windows/SplashView.h"

#include <QLabel>
#include <QPalette>
#include <QPainter>

#include "windows/Art.h"
#include "program/Splash.h"
#include "windows/TimerDriver.h"
#include "windows/Twips.h"

namespace brisvane {

SplashView::SplashView(Splash& model, EventGuard& guard, const Screen& screen, QString subtitle)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), model_(model), guard_(guard),
      version_(new QLabel(this)), info_(new QLabel(this)),
      timer_(new TimerDriver(
          model.sTimer2, [this] { guard_.run("sTimer2 tick", [this] { model_.sTimer2Tick(); }); },
          this)),
      subtitle_(std::move(subtitle)) {
    setObjectName(QStringLiteral("Splash"));
    setWindowTitle(QStringLiteral("Brisvane"));
    setWindowIcon(Art::icon(Art::WindowIcon));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(twips::toPixels(Splash::Width), twips::toPixels(Splash::Height));

    version_->setObjectName(QString::fromStdString(model.lbl_Version.objectName));
    info_->setObjectName(QString::fromStdString(model.sInfo.objectName));
    for (QLabel* label : {version_, info_}) {
        label->setAttribute(Qt::WA_TranslucentBackground);
    }
    QFont versionFont(QStringLiteral("DejaVu Sans"));
    versionFont.setPixelSize(11);
    versionFont.setBold(true);
    version_->setFont(versionFont);
    QFont infoFont(QStringLiteral("DejaVu Sans"));
    infoFont.setPixelSize(13);
    info_->setFont(infoFont);

    model_.setChangeHandler([this] { render(); });
    guard_.run("Splash load", [this, &screen] { model_.load(screen); });
    render();
}

SplashView::~SplashView() {
    model_.setChangeHandler({});
}

void SplashView::render() {
    for (const auto& [label, control] :
         {std::pair{version_, &model_.lbl_Version}, std::pair{info_, &model_.sInfo}}) {
        label->setText(QString::fromStdString(control->caption));
        label->setGeometry(twips::toPixels(*control));
        // A palette, not a style sheet: the first style sheet brings in Qt's style sheet
        // machinery (half a megabyte), also when the splash never shows.
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, twips::toQColor(control->foreColor));
        label->setPalette(palette);
        label->setVisible(control->visible);
    }
    move(twips::toPixels(model_.frame.left), twips::toPixels(model_.frame.top));
    timer_->sync();
    if (model_.visible && !isVisible()) {
        show();
    } else if (!model_.visible && isVisible()) {
        close();
    }
}

void SplashView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, Art::splash(devicePixelRatioF(), subtitle_));
}

} // namespace brisvane

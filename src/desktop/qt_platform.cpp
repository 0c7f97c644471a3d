#include "qt_platform.h"

#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QSoundEffect>
#include <QStringList>
#include <QTextDocument>
#include <QTime>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <ctime>

#include "artwork.h"

namespace quib::desktop {

namespace {

// The local time now. The time zone is read once, when the platform is made
// (tzset); localtime_r then converts without looking at the zone file again,
// where the C library's localtime and Qt's local-time functions look at it
// on every call, several times a tick.
struct LocalNow {
    std::tm tm{};
    long millisecond = 0;
    LocalNow() {
        timespec ts{};
        ::clock_gettime(CLOCK_REALTIME, &ts);
        ::localtime_r(&ts.tv_sec, &tm);
        millisecond = ts.tv_nsec / 1000000;
    }
};

}  // namespace

QtPlatform::QtPlatform() : random_(FreshSeed(static_cast<std::uint64_t>(
                               std::chrono::high_resolution_clock::now().time_since_epoch().count()))) {
    ::tzset();
}

QtPlatform::~QtPlatform() = default;

double QtPlatform::Timer() {
    const LocalNow now;
    const long seconds = now.tm.tm_hour * 3600L + now.tm.tm_min * 60L + std::min(now.tm.tm_sec, 59);
    return static_cast<double>(seconds * 1000 + now.millisecond) / 1000.0;
}

std::int64_t QtPlatform::Now() { return QDateTime::currentSecsSinceEpoch(); }

int QtPlatform::Day() { return LocalNow().tm.tm_mday; }

double QtPlatform::Rnd() { return random_.Next(); }

void QtPlatform::Randomize() {
    random_.Seed(FreshSeed(
        static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count())));
}

// One effect per file, loaded once and reused: a jump must never wait for a
// file to load, and never for a sound to end.
QSoundEffect* QtPlatform::effectFor(const std::string& path) {
    auto it = sounds_.find(path);
    if (it == sounds_.end()) {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(path)));
        effect->setVolume(0.8f);
        it = sounds_.emplace(path, std::move(effect)).first;
    }
    return it->second.get();
}

void QtPlatform::preloadSound(const std::string& path) {
    if (QFileInfo::exists(QString::fromStdString(path))) effectFor(path);
}

void QtPlatform::PlaySound(const std::string& path) {
    QSoundEffect* effect = effectFor(path);
    if (effect->isPlaying()) effect->stop();  // a quick second jump restarts the blip
    effect->play();
}

void QtPlatform::OpenUrl(const std::string& url) {
    // The result says nothing reliable about a browser opening; ignore it.
    (void)QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

QString QtPlatform::MailUrl(const std::string& subject, const std::string& body) {
    const QByteArray s = QUrl::toPercentEncoding(QString::fromStdString(subject));
    const QByteArray b = QUrl::toPercentEncoding(QString::fromStdString(body));
    return QStringLiteral("mailto:?subject=%1&body=%2").arg(QString::fromLatin1(s), QString::fromLatin1(b));
}

void QtPlatform::ComposeMail(const std::string& subject, const std::string& body) {
    // Silent on failure: without a mail program nothing happens.
    (void)QDesktopServices::openUrl(QUrl(MailUrl(subject, body), QUrl::StrictMode));
}

// The help text in a window of the game's own, so that it always opens; a
// missing file is explained in the viewer itself.
void QtPlatform::ShowTextFile(const std::string& path) {
    if (!viewer_) {
        viewer_ = std::make_unique<QPlainTextEdit>();
        viewer_->setReadOnly(true);
        viewer_->setWindowTitle(QStringLiteral("Quib Help"));
        viewer_->setWindowIcon(MakeAppIcon());
        viewer_->setObjectName(QStringLiteral("HelpViewer"));
        viewer_->resize(700, 600);
        // The help text lines up its tables with spaces, as plain text does.
        QFont font;
        font.setFamilies(QStringList{"DejaVu Sans Mono", "Noto Mono", "Liberation Mono", "Monospace"});
        font.setStyleHint(QFont::Monospace);
        font.setPixelSize(13);
        viewer_->setFont(font);
        viewer_->document()->setDocumentMargin(12);
        viewer_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        // Escape closes the viewer, as it closes the game's other windows.
        auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), viewer_.get());
        QObject::connect(close, &QShortcut::activated, viewer_.get(), &QWidget::close);
    }
    const QString fileName = QString::fromStdString(path);
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QString text = QString::fromUtf8(file.readAll());
        if (!dataFolder_.isEmpty())
            text.prepend(QStringLiteral("Your scores, saved games and settings are in:\n  %1\n\n").arg(dataFolder_));
        viewer_->setPlainText(text);
    } else {
        viewer_->setPlainText(QStringLiteral("The help file could not be found.\n\n"
                                             "Quib looked for it here:\n%1\n\n"
                                             "It is installed with the program as help.txt.")
                                  .arg(fileName));
    }
    viewer_->moveCursor(QTextCursor::Start);
    viewer_->show();
    viewer_->raise();
    viewer_->activateWindow();
}

bool QtPlatform::AskYesNo(const std::string& question, const std::string& title) {
    const auto answer =
        QMessageBox::question(dialogParent_, QString::fromStdString(title), QString::fromStdString(question),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return answer == QMessageBox::Yes;
}

void QtPlatform::ShowInfo(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quib"), QString::fromStdString(text),
                    QMessageBox::Ok, dialogParent_);
    box.exec();
}

}  // namespace quib::desktop

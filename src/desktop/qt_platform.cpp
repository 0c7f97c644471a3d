#include "qt_platform.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QStringList>
#include <QTextDocument>
#include <QTime>
#include <QUrl>
#include <QtEndian>
#include <algorithm>
#include <chrono>
#include <ctime>

#include "artwork.h"
#include "translations.h"

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

QtPlatform::~QtPlatform() {
    if (player_) player_->stop();
    player_.reset();
}

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

QtPlatform::Clip QtPlatform::ReadWave(const QByteArray& file) {
    auto u16 = [&file](qsizetype at) { return qFromLittleEndian<quint16>(file.constData() + at); };
    auto u32 = [&file](qsizetype at) { return qFromLittleEndian<quint32>(file.constData() + at); };
    Clip clip;
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE") return clip;
    bool formatRead = false;
    for (qsizetype at = 12; at + 8 <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (size > file.size() - body) break;
        if (id == "fmt " && size >= 16) {
            const int channels = u16(body + 2);
            const int rate = static_cast<int>(u32(body + 4));
            const int bits = u16(body + 14);
            if (u16(body) != 1 || channels < 1 || channels > 2 || rate < 8000 || rate > 192000 ||
                (bits != 8 && bits != 16))
                return clip;
            clip.format.setChannelCount(channels);
            clip.format.setSampleRate(rate);
            clip.format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            formatRead = true;
        } else if (id == "data" && formatRead) {
            clip.samples = file.mid(body, size - size % clip.format.bytesPerFrame());
            return clip;
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }
    return {};
}

// Each file is read once and kept: a jump must never wait for a file.
const QtPlatform::Clip& QtPlatform::clipFor(const std::string& path) {
    auto it = sounds_.find(path);
    if (it == sounds_.end()) {
        QFile file(QString::fromStdString(path));
        Clip clip;
        if (file.size() <= (1 << 22) && file.open(QIODevice::ReadOnly)) clip = ReadWave(file.readAll());
        it = sounds_.emplace(path, std::move(clip)).first;
    }
    return it->second;
}

void QtPlatform::preloadSound(const std::string& path) {
    if (QFileInfo::exists(QString::fromStdString(path))) clipFor(path);
}

// Every sound is a new stream that holds the whole clip from the start. Qt's
// sound effect, on PulseAudio, left its fifth and later streams waiting for a
// pre-buffer it never filled, and closed each stream with its end still
// queued; a quick second jump restarts the blip. Without a sound server
// there is no output device, and nothing is played.
void QtPlatform::PlaySound(const std::string& path) {
    const Clip& clip = clipFor(path);
    if (clip.samples.isEmpty()) return;
    if (player_) player_->stop();
    player_.reset();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    playing_ = std::make_unique<QBuffer>();
    playing_->setData(clip.samples);
    playing_->open(QIODevice::ReadOnly);
    player_ = std::make_unique<QAudioSink>(device, clip.format);
    player_->setBufferSize(clip.samples.size());
    player_->setVolume(0.8);
    player_->start(playing_.get());
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
        viewer_->setWindowTitle(QCoreApplication::translate("QtPlatform", "Quib Help"));
        viewer_->setWindowIcon(AppIcon());
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
    // The help text in the player's language where there is one.
    const QString fileName = LocalizedFile(QString::fromStdString(path));
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QString text = QString::fromUtf8(file.readAll());
        if (!dataFolder_.isEmpty())
            text.prepend(QCoreApplication::translate(
                             "QtPlatform", "Your scores, saved games and settings are in:\n  %1\n\n")
                             .arg(dataFolder_));
        viewer_->setPlainText(text);
    } else {
        viewer_->setPlainText(QCoreApplication::translate("QtPlatform",
                                                          "The help file could not be found.\n\n"
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

std::string QtPlatform::Translated(const char* context, const char* text, const char* comment, int n) {
    return TranslateCoreText(context, text, comment, n);
}

void QtPlatform::ShowInfo(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quib"), QString::fromStdString(text),
                    QMessageBox::Ok, dialogParent_);
    box.exec();
}

}  // namespace quib::desktop

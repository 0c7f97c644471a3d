#pragma once
// The game's outside world on the Linux desktop, through Qt: the clock,
// random numbers, sound, the browser, the mail program, the help viewer and
// the message boxes.

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "core/platform.h"
#include "core/random.h"

class QAudioSink;
class QBuffer;
class QPlainTextEdit;
class QWidget;

namespace quib::desktop {

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    double Timer() override;
    std::int64_t Now() override;
    int Day() override;
    double Rnd() override;
    void Randomize() override;
    void PlaySound(const std::string& path) override;
    void OpenUrl(const std::string& url) override;
    void ComposeMail(const std::string& subject, const std::string& body) override;
    void ShowTextFile(const std::string& path) override;
    bool AskYesNo(const std::string& question, const std::string& title) override;
    void ShowInfo(const std::string& text) override;

protected:
    std::string Translated(const char* context, const char* text, const char* comment, int n) override;

public:
    // The window that message boxes belong to.
    void setDialogParent(QWidget* parent) { dialogParent_ = parent; }
    // The folder of the player's files, named at the top of the help viewer
    // so that a player looking for their scores or saves can find them.
    void setDataFolder(const QString& folder) { dataFolder_ = folder; }
    // Loads a sound ahead of its first use, so the first jump is heard too.
    void preloadSound(const std::string& path);
    // The help viewer, once it has been opened (nullptr before).
    QPlainTextEdit* textViewer() const { return viewer_.get(); }

    // The mail address that ComposeMail hands to the desktop.
    static QString MailUrl(const std::string& subject, const std::string& body);

    // A wave file's samples, ready to play: empty when the file is missing or
    // not 8- or 16-bit PCM.
    struct Clip {
        QAudioFormat format;
        QByteArray samples;
    };
    static Clip ReadWave(const QByteArray& file);

private:
    const Clip& clipFor(const std::string& path);

    RandomSource random_;
    std::map<std::string, Clip> sounds_;
    // The sound playing now and the samples it reads; the player goes first.
    std::unique_ptr<QBuffer> playing_;
    std::unique_ptr<QAudioSink> player_;
    std::unique_ptr<QPlainTextEdit> viewer_;
    QPointer<QWidget> dialogParent_;
    QString dataFolder_;
};

}  // namespace quib::desktop

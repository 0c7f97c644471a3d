#pragma once
// The game's outside world on the Linux desktop, through Qt: the clock,
// random numbers, sound, the browser, the mail program, the help viewer and
// the message boxes.

#include <QObject>
#include <QPointer>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "core/platform.h"
#include "core/random.h"

class QPlainTextEdit;
class QSoundEffect;
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

private:
    QSoundEffect* effectFor(const std::string& path);

    RandomSource random_;
    std::map<std::string, std::unique_ptr<QSoundEffect>> sounds_;
    std::unique_ptr<QPlainTextEdit> viewer_;
    QPointer<QWidget> dialogParent_;
    QString dataFolder_;
};

}  // namespace quib::desktop

// The jump sound as a player hears it: a real PulseAudio server with a null
// sink, the real window with the desktop platform playing the game's own
// sound file, and the sink's monitor recorded while the player jumps. Each
// jump with Sound on is heard once, at the clip's length; nothing is heard
// with Sound off; and a sound server that dies never stops or holds up play.
// Skipped where pulseaudio or parec is not installed.

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QAudioFormat>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

#include "desktop/board_view.h"
#include "desktop/main_window.h"
#include "desktop/qt_platform.h"
#include "support/play.h"
#include "support/test_game.h"

namespace quib::desktop {
namespace {

constexpr int kRate = 22050;  // the recording: mono, 16-bit, at the clip's own rate
constexpr int kLoud = 300;    // about -40 dBFS; the null sink's silence is exact zero

// A burst of sound in the recording: its first and last loud sample and its
// peak.
struct Burst {
    long first = 0;
    long last = 0;
    int peak = 0;
    double seconds() const { return static_cast<double>(last - first + 1) / kRate; }
};

// The stretches louder than silence, in 5 ms windows; quiet gaps shorter than
// 30 ms belong to the same burst.
std::vector<Burst> Bursts(const QByteArray& pcm) {
    const auto* samples = reinterpret_cast<const std::int16_t*>(pcm.constData());
    const long count = pcm.size() / 2;
    std::vector<Burst> bursts;
    for (long i = 0; i < count; ++i) {
        const int level = std::abs(static_cast<int>(samples[i]));
        if (level < kLoud) continue;
        if (bursts.empty() || i - bursts.back().last > kRate * 30 / 1000) bursts.push_back({i, i, 0});
        bursts.back().last = i;
        bursts.back().peak = std::max(bursts.back().peak, level);
    }
    return bursts;
}

// The clip's samples, from its wave file (16-bit mono at 22050 Hz).
std::vector<int> ClipSamples(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray wav = file.readAll();
    const int data = wav.indexOf("data");
    if (data < 0) return {};
    const auto* samples = reinterpret_cast<const std::int16_t*>(wav.constData() + data + 8);
    return std::vector<int>(samples, samples + (wav.size() - data - 8) / 2);
}

// How long the clip is louder than silence when played at a gain.
double AudibleSeconds(const std::vector<int>& clip, double gain) {
    long first = -1, last = -1;
    for (long i = 0; i < static_cast<long>(clip.size()); ++i) {
        if (std::abs(clip[static_cast<std::size_t>(i)]) * gain < kLoud) continue;
        if (first < 0) first = i;
        last = i;
    }
    return first < 0 ? 0 : static_cast<double>(last - first + 1) / kRate;
}

class SoundServer {
public:
    SoundServer() {
        const QString dir = QString::fromStdString(folder.path());
        socket = dir + QStringLiteral("native");
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir);
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), dir);
        env.insert(QStringLiteral("PULSE_STATE_PATH"), dir);
        server.setProcessEnvironment(env);
        server.setProcessChannelMode(QProcess::MergedChannels);
        // norewinds: a sink that rewinds to mix in a new stream leaves the
        // rewound start of that sound out of its monitor's recording.
        server.start(QStringLiteral("pulseaudio"),
                     {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"), QStringLiteral("-n"),
                      QStringLiteral("--realtime=no"), QStringLiteral("--high-priority=no"),
                      QStringLiteral("--disable-shm=yes"), QStringLiteral("--log-target=stderr"),
                      QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=quib_test norewinds=1"), QStringLiteral("-L"),
                      QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket});
        // The game's own client must never start a server of its own.
        QFile conf(dir + QStringLiteral("client.conf"));
        if (conf.open(QIODevice::WriteOnly)) conf.write("autospawn = no\n");
        conf.close();
        qputenv("PULSE_CLIENTCONFIG", (dir + QStringLiteral("client.conf")).toLocal8Bit());
    }
    ~SoundServer() {
        for (QProcess* p : {&recorder, &server}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->kill();
            p->waitForFinished(3000);
        }
    }
    bool ready() {
        return QTest::qWaitFor([this] { return QFile::exists(socket); }, 5000) &&
               server.state() == QProcess::Running;
    }
    // True once the recording has begun: an idle null sink renders two
    // seconds ahead, and its monitor says nothing until that has passed.
    bool startRecording() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + socket);
        recorder.setProcessEnvironment(env);
        recorder.setStandardOutputFile(QString::fromStdString(folder.file("recording.raw")));
        recorder.start(QStringLiteral("parec"), {QStringLiteral("--raw"), QStringLiteral("--format=s16le"),
                                                 QStringLiteral("--rate=22050"), QStringLiteral("--channels=1"),
                                                 QStringLiteral("--latency-msec=20"),
                                                 QStringLiteral("--device=quib_test.monitor")});
        const QString path = QString::fromStdString(folder.file("recording.raw"));
        return QTest::qWaitFor([&path] { return QFileInfo(path).size() >= kRate / 5; }, 5000);
    }
    QByteArray stopRecording() {
        QTest::qWait(500);  // the last sound's tail passes the recorder's buffer
        recorder.terminate();
        recorder.waitForFinished(3000);
        QFile file(QString::fromStdString(folder.file("recording.raw")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    quib::testing::TempFolder folder;
    QString socket;
    QProcess server;
    QProcess recorder;
};

TEST(JumpSound, HeardOncePerJumpWithSoundOnAndNeverStopsPlay) {
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
        GTEST_SKIP() << "pulseaudio or parec is not installed";
    SoundServer sound;
    ASSERT_TRUE(sound.ready()) << "the sound server did not start: " << sound.server.readAll().toStdString();
    // Before the first sound is made: the game's client finds this server.
    qputenv("PULSE_SERVER", (QStringLiteral("unix:") + sound.socket).toLocal8Bit());

    quib::testing::TempFolder data;
    quib::testing::TempFolder program;
    std::filesystem::create_directories(program.path() + "Sounds");
    const QString wav = QStringLiteral(QUIB_ASSETS_DIR "/Sounds/Jump.wav");
    ASSERT_TRUE(QFile::copy(wav, QString::fromStdString(program.path() + "Sounds/Jump.wav")));
    const std::vector<int> clip = ClipSamples(wav);
    ASSERT_FALSE(clip.empty());
    const int clipPeak = std::abs(*std::max_element(clip.begin(), clip.end(), [](int a, int b) {
        return std::abs(a) < std::abs(b);
    }));

    QtPlatform platform;
    MainWindow window(platform, data.path(), program.path());
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.session().tasks.StartupPending; }, 5000));
    Session& session = window.session();
    ASSERT_TRUE(session.game.SoundOn);
    quib::testing::InstallRowPuzzles(session, 3);
    window.findChild<QAction*>(QStringLiteral("NewGameMenue(1)"))->trigger();
    ASSERT_EQ(session.game.CurrentLevel, 1);

    BoardView* view = window.boardView();
    auto click = [view](QPointF game) { QTest::mouseClick(view, Qt::LeftButton, {}, view->toWidget(game).toPoint()); };
    // One jump by two clicks, the frog's picture and the landing cell; how
    // long the window took for it.
    auto jump = [&](int from, int to) {
        QElapsedTimer took;
        took.start();
        const Cell& a = session.board.Grid.at(static_cast<std::size_t>(from));
        click({a.Left + 3 + 16, a.Top + 5 + 16});
        const Cell& b = session.board.Grid.at(static_cast<std::size_t>(to));
        click({b.Left + 19, b.Top + 19});
        const qint64 ms = took.elapsed();
        EXPECT_TRUE(quib::testing::PictureOnCell(session, to) != 0 || session.msg.PanelTitle.Visible)
            << "no frog landed on " << to;
        QTest::qWait(400);
        return ms;
    };

    // The level-completed panel dismissed by a click: the next level.
    auto nextLevel = [&window, &session](int level) {
        ASSERT_TRUE(session.msg.PanelTitle.Visible) << "level " << level - 1 << " was not completed";
        QWidget* panel = window.findChild<QWidget*>(QStringLiteral("Label2"));
        QTest::mouseClick(panel, Qt::LeftButton, {}, panel->rect().center());
        ASSERT_EQ(session.game.CurrentLevel, level);
    };
    auto toggleSound = [&window] { window.findChild<QAction*>(QStringLiteral("sndmenue"))->trigger(); };
    const quib::testing::RowPuzzle one = quib::testing::LevelPuzzle(1);
    const quib::testing::RowPuzzle two = quib::testing::LevelPuzzle(2);
    const quib::testing::RowPuzzle three = quib::testing::LevelPuzzle(3);

    ASSERT_TRUE(sound.startRecording()) << "the recording did not begin";
    // Sound on: six jumps, three on level 1 and three on level 2; then Sound
    // off: the last jump of level 2 and two of level 3.
    for (const auto& [from, to] : one.solution) jump(from, to);
    nextLevel(2);
    for (std::size_t j = 0; j < 3; ++j) jump(two.solution[j].first, two.solution[j].second);
    toggleSound();
    ASSERT_FALSE(session.game.SoundOn);
    jump(two.solution[3].first, two.solution[3].second);
    nextLevel(3);
    for (std::size_t j = 0; j < 2; ++j) jump(three.solution[j].first, three.solution[j].second);
    const QByteArray pcm = sound.stopRecording();

    const std::vector<Burst> bursts = Bursts(pcm);
    std::printf("recorded %.2f s; the clip's peak %d\n", pcm.size() / 2.0 / kRate, clipPeak);
    for (const Burst& b : bursts) {
        // The whole clip, once, at the gain the recording shows.
        const double expected = AudibleSeconds(clip, static_cast<double>(b.peak) / clipPeak);
        std::printf("burst at %.3f s: %.3f s long (the clip at this gain: %.3f s), peak %d\n",
                    static_cast<double>(b.first) / kRate, b.seconds(), expected, b.peak);
        EXPECT_NEAR(b.seconds(), expected, 0.015) << "a jump's sound is not the whole clip, once";
        EXPECT_GT(b.peak, clipPeak / 4) << "the jump sound is barely audible";
    }
    ASSERT_EQ(bursts.size(), 6u) << "six jumps with Sound on, three with Sound off";

    // The server dies: play goes on at once, with Sound on again.
    sound.server.kill();
    sound.server.waitForFinished(3000);
    toggleSound();
    ASSERT_TRUE(session.game.SoundOn);
    QTest::qWait(200);
    qint64 slowest = 0;
    for (std::size_t j = 2; j < three.solution.size(); ++j)
        slowest = std::max(slowest, jump(three.solution[j].first, three.solution[j].second));
    std::printf("with the sound server gone, the slowest jump took %lld ms\n", static_cast<long long>(slowest));
    EXPECT_TRUE(session.msg.PanelTitle.Visible) << "level 3 was not completed after the sound server died";
    // Not a speed goal: a jump that waited for a sound server would take
    // seconds (the client's connect time-out).
    EXPECT_LT(slowest, 1000);
}

// The wave reader takes the game's clip as it is, and a file cut short or not
// in 8- or 16-bit PCM gives no sound rather than reading past its end.
TEST(JumpSound, WaveReaderTakesPcmAndRefusesWhatItCannotPlay) {
    QFile file(QStringLiteral(QUIB_ASSETS_DIR "/Sounds/Jump.wav"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    const QtPlatform::Clip clip = QtPlatform::ReadWave(wav);
    EXPECT_EQ(clip.format.sampleRate(), 22050);
    EXPECT_EQ(clip.format.channelCount(), 1);
    EXPECT_EQ(clip.format.sampleFormat(), QAudioFormat::Int16);
    EXPECT_EQ(clip.samples, wav.mid(wav.indexOf("data") + 8));

    EXPECT_TRUE(QtPlatform::ReadWave(wav.left(wav.size() - 1)).samples.isEmpty()) << "a data chunk cut short";
    QByteArray floats = wav;
    floats[20] = 3;  // IEEE float samples
    EXPECT_TRUE(QtPlatform::ReadWave(floats).samples.isEmpty());
}

}  // namespace
}  // namespace quib::desktop

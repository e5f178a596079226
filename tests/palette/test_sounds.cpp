// The pick and undo sounds: started without waiting for them, and nothing
// else depends on them (missing files, no audio device).
#include "tests/support/sound_test_main.h"
#include "tests/support/colouring_form.h"
#include "tests/support/samples.h"

#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QProcess>
#include <QRegularExpression>

using testsupport::ColouringForm;

namespace {

// Long enough that a loaded machine makes its mark on the sound server while
// the tone still plays.
constexpr int kToneMilliseconds = 8000;
// Only catches a sound server that hangs.
constexpr int kBoundMs = 60000;

QImage outlinedBox()
{
    return testsupport::outlinedPage({60, 40}, {{10, 10, 30, 20}});
}

// A mono 16-bit PCM WAV file holding a square tone of the given length.
QByteArray toneWav(int milliseconds)
{
    const int rate = 22050;
    QList<qint16> samples(rate * milliseconds / 1000);
    for (qsizetype i = 0; i < samples.size(); ++i)
        samples[i] = qint16(((i / 25) % 2) ? 6000 : -6000);
    return testsupport::waveFile(samples, rate);
}

// Runs pactl; its output, or a null array when it fails.
QByteArray pactl(const QStringList& arguments)
{
    QProcess process;
    process.start("pactl", arguments);
    if (!process.waitForFinished(kBoundMs) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    const QByteArray output = process.readAllStandardOutput();
    return output.isNull() ? QByteArray("") : output;
}

int playingStreams()
{
    const QByteArray streams = pactl({"list", "short", "sink-inputs"});
    return streams.isNull() ? -1 : int(streams.count('\n'));
}

// The sound server's reports, in the order it handled what they report, with
// marks of the test's own among them: a stream reported after a mark opened
// or closed after the mark was made.
class ServerLog {
public:
    ~ServerLog()
    {
        listener_.kill();
        listener_.waitForFinished(kBoundMs);
    }

    // Starts listening; true once the server's reports reach the log.
    bool start()
    {
        QObject::connect(&listener_, &QProcess::readyReadStandardOutput, &listener_, [this] { read(); });
        listener_.start("pactl", {"subscribe"});
        if (!listener_.waitForStarted(kBoundMs))
            return false;
        // Marks made before the listener was heard never show; the first one that does ends the wait.
        QList<int> made;
        return QTest::qWaitFor([&] {
            for (const int m : std::as_const(made))
                if (marks_.contains(m))
                    return true;
            made << mark();
            return made.last() < 0;
        }, kBoundMs) && made.last() >= 0;
    }

    // Leaves a mark in the server's reports (a module loaded and unloaded at
    // once) and returns its number once the server has made it: -1 when it
    // could not be made.
    int mark()
    {
        bool ok = false;
        const QByteArray loaded = pactl({"load-module", "module-null-source", "source_name=tintaro_test_mark"});
        const int module = loaded.trimmed().toInt(&ok);
        return ok && !pactl({"unload-module", QString::number(module)}).isNull() ? module : -1;
    }

    // Waits until the log shows mark `after` and a stream opened after mark
    // `before`; false when the server does not report them.
    bool waitForStreamBetween(int before, int after)
    {
        return QTest::qWaitFor([&] { return marks_.contains(after) && !streamsAfter(before).isEmpty(); }, kBoundMs);
    }

    // Whether a stream opened after mark `before` still played at mark
    // `after`, or opened after it.
    bool playsPast(int before, int after) const
    {
        const int at = marks_.value(after);
        for (const int stream : streamsAfter(before)) {
            const int closed = closed_.value(stream, -1);
            if (closed < 0 || closed > at)
                return true;
        }
        return false;
    }

private:
    QList<int> streamsAfter(int mark) const
    {
        QList<int> streams;
        if (!marks_.contains(mark))
            return streams;
        for (auto it = opened_.cbegin(); it != opened_.cend(); ++it)
            if (it.value() > marks_.value(mark))
                streams << it.key();
        return streams;
    }

    void read()
    {
        static const QRegularExpression event("^Event '(new|remove)' on (sink-input|module) #(\\d+)$");
        while (listener_.canReadLine()) {
            const QString line = QString::fromLatin1(listener_.readLine()).trimmed();
            ++lines_;
            const QRegularExpressionMatch m = event.match(line);
            if (!m.hasMatch())
                continue;
            const int index = m.captured(3).toInt();
            if (m.captured(2) == "module") {
                if (m.captured(1) == "new")
                    marks_.insert(index, lines_);
            } else {
                (m.captured(1) == "new" ? opened_ : closed_).insert(index, lines_);
            }
        }
    }

    QProcess listener_;
    int lines_ = 0;
    QHash<int, int> marks_;  // line of each mark, by its number
    QHash<int, int> opened_; // line where each stream opened, by its number
    QHash<int, int> closed_; // line where each stream closed, by its number
};

} // namespace

class SoundsTest : public QObject {
    Q_OBJECT
private slots:
    void picksAndUndoWorkWhateverTheSound_data();
    void picksAndUndoWorkWhateverTheSound();
    void soundsPlayWhileTheHandlersReturn();
};

void SoundsTest::picksAndUndoWorkWhateverTheSound_data()
{
    QTest::addColumn<bool>("withFiles");
    QTest::newRow("sound files") << true;
    QTest::newRow("no sound files") << false;
}

void SoundsTest::picksAndUndoWorkWhateverTheSound()
{
    QFETCH(bool, withFiles);
    ColouringForm f("animales.gif", outlinedBox());
    if (withFiles) {
        f.folder.writeText("sonidos/sonido4.wav", toneWav(200));
        f.folder.writeText("sonidos/sonido5.wav", toneWav(200));
    }
    const QImage start = f.image();
    testsupport::clickBox(f.form->Picture6, {10, 2 * testsupport::kBandHeight + 5});
    QCOMPARE(f.colour(), qRgb(200, 100, 0));
    testsupport::clickBox(f.form->Picture2[3], {5, 5});
    QCOMPARE(f.colour(), qRgb(224, 124, 24));
    f.click({20, 20});
    QCOMPARE(f.image().pixel(20, 20), qRgb(224, 124, 24));
    f.form->Command6_Click();
    QCOMPARE(f.image(), start);
    QCOMPARE(f.form->SnapshotIndex, std::int16_t(0));
}

// A handler that waited for its sound would return after the tone's stream
// closed: the server then reports the stream closed before the mark made once
// the handler has returned.
void SoundsTest::soundsPlayWhileTheHandlersReturn()
{
    if (QMediaDevices::audioOutputs().isEmpty())
        QSKIP("no audio device");
    if (playingStreams() != 0)
        QSKIP("the sound server cannot be asked, or plays other streams");
    ColouringForm f("animales.gif", outlinedBox());
    f.folder.writeText("sonidos/sonido4.wav", toneWav(kToneMilliseconds));
    f.folder.writeText("sonidos/sonido5.wav", toneWav(kToneMilliseconds));
    ServerLog server;
    QVERIFY2(server.start(), "the sound server's reports do not come");

    const int beforePick = server.mark();
    testsupport::clickBox(f.form->Picture6, {10, 5});
    const int afterPick = server.mark();
    QVERIFY(beforePick >= 0 && afterPick >= 0);
    QVERIFY2(server.waitForStreamBetween(beforePick, afterPick), "the pick played nothing");
    QVERIFY2(server.playsPast(beforePick, afterPick), "the pick waited for its sound");

    const int beforeUndo = server.mark();
    f.click({20, 20});
    f.form->Command6_Click();
    const int afterUndo = server.mark();
    QVERIFY(beforeUndo >= 0 && afterUndo >= 0);
    QVERIFY2(server.waitForStreamBetween(beforeUndo, afterUndo), "the undo played nothing");
    QVERIFY2(server.playsPast(beforeUndo, afterUndo), "the undo waited for its sound");
}

int main(int argc, char** argv) { return testsupport::runSoundTest<SoundsTest>(argc, argv); }
#include "test_sounds.moc"

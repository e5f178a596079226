// The staging folder of a batch: staged files, the plan, the renames into
// place and back, and what a killed run left.
#include "staging.h"

#include "set_folder.h"

#include "platform/plain_file.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace importer {
namespace {

using platform::OwnedFolder;

constexpr qint64 kMaxPlanBytes = 64 * 1024;
const QByteArray kPlanHeader = "tintaro-import batch 1";

struct Plan {
    QString set;
    bool newFolder = false; // the pages are staged as the whole set folder
    bool logoReplaces = false;
};

struct Move {
    QString from;
    QString to;
};

QByteArray planText(const Plan& plan)
{
    return kPlanHeader + "\nset " + plan.set.toUtf8() + "\npages " +
           (plan.newFolder ? "new-folder" : "into-folder") + "\nlogo " + (plan.logoReplaces ? "replace" : "new") +
           "\n";
}

std::optional<Plan> parsePlan(const QByteArray& text)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.size() < 4 || lines[0] != kPlanHeader || !lines[1].startsWith("set ") ||
        !lines[2].startsWith("pages ") || !lines[3].startsWith("logo "))
        return std::nullopt;
    Plan plan{QString::fromUtf8(lines[1].mid(4)), lines[2].mid(6) == "new-folder", lines[3].mid(5) == "replace"};
    // Only a set name the importer itself accepts leads to a place below the folder.
    if (!setNameProblem(plan.set).isEmpty())
        return std::nullopt;
    return plan;
}

// The numbers of the staged pages in `folder`, last first.
std::vector<int> stagedNumbers(const QString& folder)
{
    static const QRegularExpression pageName("^([1-9][0-9]{0,8})\\.gif$");
    std::vector<int> numbers;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (const QRegularExpressionMatch match = pageName.match(name); match.hasMatch())
            numbers.push_back(match.captured(1).toInt());
    }
    std::sort(numbers.rbegin(), numbers.rend());
    return numbers;
}

class Staging {
public:
    Staging(const OwnedFolder& folder, const QString& name) : folder_(folder), name_(name) {}

    QString pages() const { return name_ + "/pages"; }
    QString logo() const { return name_ + "/logo.gif"; }
    QString plan() const { return name_ + "/plan"; }

    // Writes every file of the batch, then the plan; why it failed, or empty.
    QString stage(const Batch& batch, const Plan& plan)
    {
        QString why = made(folder_.makeFolder(name_), name_);
        if (why.isEmpty() && !batch.pages.empty())
            why = made(folder_.makeFolder(pages()), pages());
        for (std::size_t i = 0; why.isEmpty() && i < batch.pages.size(); ++i) {
            const QString page = pages() + "/" + QString::number(batch.first + int(i)) + ".gif";
            why = made(folder_.createFile(page, batch.pages[i]), page);
        }
        if (why.isEmpty() && !batch.logo.isEmpty())
            why = made(folder_.createFile(logo(), batch.logo), logo());
        return why.isEmpty() ? made(folder_.createFile(this->plan(), planText(plan)), this->plan()) : why;
    }

    // Renames what is staged into place, pages first; why it stopped, or empty.
    QString finish(const Plan& plan)
    {
        const SetFolder set(folder_.root(), plan.set);
        QString why;
        if (plan.newFolder && exists(pages())) {
            why = moved(pages(), set.folderPath(), false);
        } else if (!plan.newFolder) {
            for (const int n : stagedNumbers(folder_.path(pages())))
                if (why.isEmpty())
                    why = moved(pages() + "/" + QString::number(n) + ".gif", set.pagePath(n), false);
        }
        if (why.isEmpty() && exists(logo()))
            why = moved(logo(), set.logoPath(), plan.logoReplaces);
        return why;
    }

    // Removes the plan, so that the batch is never finished.
    void abandon() const
    {
        if (!folder_.removeFile(plan()).ok())
            return; // no plan was there
    }

    // Moves back, last first, what finish() moved.
    void rollBack()
    {
        for (auto it = moves_.rbegin(); it != moves_.rend(); ++it)
            if (!folder_.move(it->to, it->from, false).ok())
                return; // what stays moved is whole; the rest goes with the staging folder
        moves_.clear();
    }

    // Removes the staging folder and whatever it still holds.
    void remove() const
    {
        for (const QString& folder : {pages(), name_}) {
            for (const QString& entry : QDir(folder_.path(folder)).entryList(QDir::AllEntries | QDir::Hidden |
                                                                             QDir::System | QDir::NoDotAndDotDot))
                if (!folder_.removeFile(folder + "/" + entry).ok())
                    continue; // a folder of pages is removed next; anything else stays
            if (!folder_.removeFolder(folder).ok())
                continue; // not there, or not empty
        }
    }

private:
    bool exists(const QString& relative) const
    {
        const QFileInfo info(folder_.path(relative));
        return info.exists() || info.isSymLink();
    }

    QString made(platform::Change change, const QString& relative) const
    {
        return change.ok() ? QString() : QString("cannot write %1: %2").arg(folder_.path(relative), change.text());
    }

    QString moved(const QString& from, const QString& to, bool replace)
    {
        const QString why = made(folder_.move(from, to, replace), to);
        if (why.isEmpty())
            moves_.push_back({from, to});
        return why;
    }

    const OwnedFolder& folder_;
    QString name_;
    std::vector<Move> moves_;
};

QString newStagingName()
{
    return kStagingPrefix + QString::number(QRandomGenerator::global()->generate64(), 16);
}

// Finishes a staged batch; on a failure the plan goes first (a run killed
// now must not finish it later), then what was moved goes back.
QString carryOut(Staging& staging, const Plan& plan)
{
    const QString why = staging.finish(plan);
    if (!why.isEmpty()) {
        staging.abandon();
        staging.rollBack();
    }
    staging.remove();
    return why;
}

} // namespace

QString addBatch(const OwnedFolder& folder, const Batch& batch)
{
    const SetFolder set(folder.root(), batch.set);
    const QFileInfo setFolder(folder.path(set.folderPath()));
    const Plan plan{batch.set, !setFolder.exists() && !setFolder.isSymLink(), batch.logoReplaces};
    Staging staging(folder, newStagingName());
    if (const QString why = staging.stage(batch, plan); !why.isEmpty()) {
        staging.remove();
        return why;
    }
    return carryOut(staging, plan);
}

QStringList finishLeftBatches(const OwnedFolder& folder)
{
    QStringList done;
    const QStringList names = QDir(folder.root()).entryList({QString(kStagingPrefix) + "*"},
                                                            QDir::Dirs | QDir::Hidden | QDir::NoSymLinks);
    for (const QString& name : names) {
        Staging staging(folder, name);
        const platform::FileContent text = platform::readPlainFile(folder.path(staging.plan()), kMaxPlanBytes);
        const std::optional<Plan> plan = text.ok() ? parsePlan(text.bytes) : std::nullopt;
        if (!plan) {
            staging.remove(); // staged only: nothing of it was visible
            continue;
        }
        const QString why = carryOut(staging, *plan);
        done << (why.isEmpty() ? QString("finished adding what an interrupted run was adding to the set %1").arg(plan->set)
                               : QString("could not finish what an interrupted run was adding to the set %1, so it "
                                         "was taken back: %2")
                                     .arg(plan->set, why));
    }
    return done;
}

} // namespace importer

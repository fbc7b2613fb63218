#include "tools/autoplay/replay_log.h"

#include <QDir>
#include <QDirIterator>
#include <algorithm>

#include "tools/autoplay/step_lines.h"

namespace autoplay {

namespace {

QByteArray linesOf(const std::vector<scenario::Step>& steps) {
    QByteArray text;
    for (const scenario::Step& s : steps) {
        text += lineOf(s).toUtf8() + '\n';
    }
    return text;
}

std::vector<scenario::Step> withAnswers(const scenario::Step& step,
                                        const std::vector<bool>& answers) {
    std::vector<scenario::Step> steps;
    if (!answers.empty()) {
        steps.push_back(answerStep(answers));
    }
    steps.push_back(step);
    return steps;
}

}  // namespace

ReplayLog::~ReplayLog() = default;

void ReplayLog::startRun(const QString& header, const QString& folder) {
    header_ = header;
    steps_.clear();
    tail_.clear();
    // The saves and scripts this run of the program finds in its folder.
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        files.append(QDir(folder).relativeFilePath(it.next()));
    }
    std::sort(files.begin(), files.end());
    for (const QString& name : files) {
        QFile f(QDir(folder).filePath(name));
        if (f.open(QIODevice::ReadOnly)) {
            steps_.push_back(fileStep(name, f.readAll()));
        }
    }
    if (!path_.isEmpty()) {
        rewriteFile();
    }
}

void ReplayLog::play(const scenario::Step& step, const std::vector<bool>& answers) {
    pending_ = step;
    pendingAnswers_ = answers;
    if (file_) {
        writeTentative();
    }
}

void ReplayLog::played(int asked) {
    const std::vector<bool> used(
        pendingAnswers_.begin(),
        pendingAnswers_.begin() +
            std::min<std::size_t>(static_cast<std::size_t>(asked), pendingAnswers_.size()));
    for (scenario::Step& s : withAnswers(pending_, used)) {
        steps_.push_back(std::move(s));
    }
    if (file_) {
        file_->resize(committed_);
        file_->seek(committed_);
        file_->write(linesOf(withAnswers(pending_, used)));
        file_->flush();
        committed_ = file_->pos();
    }
}

void ReplayLog::broken(const Violation& violation) {
    tail_ = "# broken: " + violation.rule.toUtf8() + "\n# " +
            violation.detail.simplified().toUtf8() + '\n' + linesOf(violation.expects);
    if (file_) {
        file_->resize(committed_);
        file_->seek(committed_);
        file_->write(tail_);
        file_->flush();
        committed_ = file_->pos();
    }
}

QString ReplayLog::text() const {
    return header_ + u'\n' + QString::fromUtf8(linesOf(steps_) + tail_);
}

bool ReplayLog::write(const QString& path) const {
    QFile out(path);
    return out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(text().toUtf8()) >= 0;
}

void ReplayLog::rewriteFile() {
    file_ = std::make_unique<QFile>(path_);
    if (!file_->open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        file_.reset();
        return;
    }
    file_->write(header_.toUtf8() + '\n' + linesOf(steps_));
    file_->flush();
    committed_ = file_->pos();
}

void ReplayLog::writeTentative() {
    file_->resize(committed_);
    file_->seek(committed_);
    file_->write(linesOf(withAnswers(pending_, pendingAnswers_)));
    file_->flush();
}

}  // namespace autoplay

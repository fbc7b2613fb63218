#pragma once

#include <QFile>
#include <QString>
#include <memory>
#include <vector>

#include "tools/autoplay/invariants.h"
#include "tools/scenario/script.h"

namespace autoplay {

// The steps of the current run of the program, as a scenario the driver plays: the files the
// game folder held when the run began, then every step with the answers its questions got.
// With a file to follow, every step is on disk before it is played, so that even a crash leaves
// a replay behind.
class ReplayLog {
public:
    ReplayLog() = default;
    ~ReplayLog();
    ReplayLog(const ReplayLog&) = delete;
    ReplayLog& operator=(const ReplayLog&) = delete;

    void follow(const QString& path) { path_ = path; }
    void startRun(const QString& header, const QString& folder);
    // A step about to be played, with the answers its questions will get, in order.
    void play(const scenario::Step& step, const std::vector<bool>& answers);
    // The step went through; its questions took the first `asked` of the answers.
    void played(int asked);
    void broken(const Violation& violation);

    QString text() const;
    bool write(const QString& path) const;

private:
    void rewriteFile();
    void writeTentative();

    QString header_;
    std::vector<scenario::Step> steps_;
    QByteArray tail_;  // what broke, and the checks a sound game passes
    scenario::Step pending_;
    std::vector<bool> pendingAnswers_;
    QString path_;
    std::unique_ptr<QFile> file_;
    qint64 committed_ = 0;
};

}  // namespace autoplay

#pragma once

#include "cdimport/TsdxJob.h"

#include <QList>

#include <memory>

// An ordered list of jobs. Jobs are shared so that a conversion still running when the
// list is emptied (after a cancel) keeps its job until it ends.
class TsdxJobList {
public:
    using TJobPtr = std::shared_ptr<TsdxJob>;

    void Add(TJobPtr job) { jobs_.append(std::move(job)); }
    int Count() const { return int(jobs_.size()); }
    const TJobPtr& Items(int index) const { return jobs_.at(index); }
    int IndexOf(const TsdxJob* job) const {
        for (int i = 0; i < Count(); ++i)
            if (jobs_[i].get() == job)
                return i;
        return -1;
    }
    void Clear() { jobs_.clear(); }
    bool AllDone() const {
        for (const TJobPtr& job : jobs_)
            if (job->JobState != jsDone && job->JobState != jsSkipped)
                return false;
        return true;
    }

private:
    QList<TJobPtr> jobs_;
};

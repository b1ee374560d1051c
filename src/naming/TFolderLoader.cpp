#include "naming/TFolderLoader.h"

#include "app/TSoundList.h"
#include "naming/LoadFolder.h"

#include <exception>

struct TFolderLoader::TLoad {
    std::atomic<bool> abandoned{false};
    std::atomic<bool> ended{false};
};

namespace {
// Thrown from the progress callback to stop an abandoned load between two batches of files.
struct TLoadAbandoned {};
} // namespace

TFolderLoader::TFolderLoader(QObject* parent) : QObject(parent) {
    qRegisterMetaType<std::shared_ptr<TSoundList>>("std::shared_ptr<TSoundList>");
}

TFolderLoader::~TFolderLoader() {
    Abandon();
    for (auto& [load, thread] : threads_)
        thread.join();
}

void TFolderLoader::Abandon() {
    if (current_)
        current_->abandoned = true;
    current_.reset();
    running_ = false;
}

void TFolderLoader::JoinEnded() {
    for (auto it = threads_.begin(); it != threads_.end();) {
        if (it->first->ended) {
            it->second.join();
            it = threads_.erase(it);
        } else {
            ++it;
        }
    }
}

void TFolderLoader::Start(const QString& folder, const TFileNameOptions& naming, bool renameFiles) {
    Abandon();
    JoinEnded();
    auto load = std::make_shared<TLoad>();
    current_ = load;
    running_ = true;
    std::thread worker([this, load, folder, naming, renameFiles] {
        auto sounds = std::make_shared<TSoundList>();
        QString error;
        TFolderLoadEvents events;
        events.progress = [this, load](int listed) {
            if (load->abandoned)
                throw TLoadAbandoned();
            QMetaObject::invokeMethod(
                this, [this, load, listed] {
                    if (load == current_)
                        emit Progress(listed);
                },
                Qt::QueuedConnection);
        };
        try {
            LoadFolder(folder, *sounds, naming, renameFiles, events);
        } catch (const TLoadAbandoned&) {
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
        } catch (...) {
            error = QStringLiteral("The folder could not be read");
        }
        if (!load->abandoned) {
            // The destructor joins this thread before the object goes, so `this` is valid here;
            // a queued call to it runs only while it lives.
            QMetaObject::invokeMethod(
                this, [this, load, sounds, error] { Finished(load, sounds, error); },
                Qt::QueuedConnection);
        }
        load->ended = true;
    });
    threads_.emplace_back(load, std::move(worker));
}

void TFolderLoader::Finished(const std::shared_ptr<TLoad>& load, std::shared_ptr<TSoundList> sounds,
                             const QString& error) {
    if (load != current_)
        return; // abandoned after it had already finished
    current_.reset();
    running_ = false;
    JoinEnded();
    emit Loaded(std::move(sounds), error);
}

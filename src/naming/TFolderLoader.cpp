#include "naming/TFolderLoader.h"

#include "app/TSoundList.h"
#include "naming/LoadFolder.h"

#include <exception>

struct TFolderLoader::TLoad {
    std::atomic<bool> abandoned{false};
};

namespace {
// Thrown from the progress callback to stop an abandoned load between two batches of files.
struct TLoadAbandoned {};
} // namespace

TFolderLoader::TFolderLoader(QObject* parent) : QObject(parent) {
    qRegisterMetaType<std::shared_ptr<TSoundList>>("std::shared_ptr<TSoundList>");
}

TFolderLoader::~TFolderLoader() { Abandon(); } // the threads are joined with their member

void TFolderLoader::Abandon() {
    if (current_)
        current_->abandoned = true;
    current_.reset();
}

void TFolderLoader::Start(const QByteArray& folder, const TFileNameOptions& naming,
                          const TPanelValues& panel) {
    Abandon();
    auto load = std::make_shared<TLoad>();
    current_ = load;
    threads_.Run([this, load, folder, naming, panel] {
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
            LoadFolderOnDisk(folder, *sounds, naming, panel, events);
        } catch (const TLoadAbandoned&) {
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
        } catch (...) {
            error = QStringLiteral("The folder could not be read");
        }
        if (!load->abandoned) {
            // This thread is joined before the object goes, so `this` is valid here; a queued
            // call to it runs only while it lives.
            QMetaObject::invokeMethod(
                this, [this, load, sounds, error] { Finished(load, sounds, error); },
                Qt::QueuedConnection);
        }
    });
}

void TFolderLoader::Finished(const std::shared_ptr<TLoad>& load, std::shared_ptr<TSoundList> sounds,
                             const QString& error) {
    if (load != current_)
        return; // abandoned after it had already finished
    current_.reset();
    emit Loaded(std::move(sounds), error);
}

#include "cdimport/TRipThread.h"

#include <QByteArray>

TRipThread::TRipThread(std::unique_ptr<IPcmSource> source, std::unique_ptr<QFile> file,
                       const std::atomic<bool>& cancelRequest)
    : source_(std::move(source)), file_(std::move(file)), cancelRequest_(cancelRequest) {}

void TRipThread::run() {
    QByteArray buffer(BlockSize, Qt::Uninitialized);
    while (source_ && source_->IsActive()) {
        if (!CopyBlock(buffer.data()) || cancelRequest_)
            break;
        emit BlockCopied(source_->Position(), source_->Length());
    }
    if (source_ && errorText_.isEmpty())
        errorText_ = source_->ErrorText();
}

bool TRipThread::CopyBlock(char* buffer) {
    const qint64 count = source_->Read(buffer, BlockSize);
    if (count <= 0)
        return true; // an end or a read error ends the source; the loop sees it
    if (file_->write(buffer, count) == count)
        return true;
    errorText_ = file_->errorString();
    return false;
}

#include "cdimport/TRipThread.h"

#include "cdimport/WriteFully.h"

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
}

bool TRipThread::CopyBlock(char* buffer) {
    const qint64 count = source_->Read(buffer, BlockSize);
    if (count <= 0)
        return true; // an end or a read error ends the source; the loop sees it
    if (sum_)
        sum_->Add(buffer, count);
    const TResult written = WriteFully(*file_, buffer, count);
    errorText_ = written.ErrorText();
    return written.IsOk();
}

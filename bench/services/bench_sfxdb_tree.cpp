// Downloads a whole SFX CD database of 5,000 records from a local trackmoth-sfxdb service and
// builds its Producer > Series > CD tree, as the first search of a run with an old cache does.
// Prints the bare download as the baseline, then the client's search (revision, download,
// cache write and read, parse, tree) and the tree's fill into the dialog, each the median of
// several runs. Target: the download with its tree under 200 ms.
#include "TSfxDbService.h"
#include "TSfxDbStore.h"
#include "services/TCurlHttpClient.h"
#include "services/TSfxDbClient.h"
#include "services/TSfxDbDocument.h"
#include "services/TSfxDbTree.h"
#include "services/TSystemConnectionCheck.h"
#include "services/TfSFXdb.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <httplib.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace {
constexpr int Producers = 40;
constexpr int SeriesPerProducer = 25;
constexpr int CdsPerSeries = 5; // 40 x 25 x 5 = 5,000 records
constexpr int Runs = 7;

double MedianMilliseconds(const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void FillStore(TSfxDbStore& store) {
    std::vector<TSfxCd> cds;
    const char* languages[] = {"English", "German", "", "french"};
    for (int p = 0; p < Producers; ++p)
        for (int s = 0; s < SeriesPerProducer; ++s)
            for (int c = 0; c < CdsPerSeries; ++c) {
                TSfxCd cd;
                cd.Producer = "Producer " + std::to_string(p) + " Sound Library";
                cd.Series = "Series " + std::to_string(s) + " - Ambiences & Effects";
                cd.Title = "Volume " + std::to_string(c + 1) + " (disc " + std::to_string(c) + ")";
                cd.Language = languages[(p + s + c) % 4];
                cd.TrackNames = {"Door slam", "Glass break"};
                cds.push_back(std::move(cd));
            }
    store.Import(cds);
}

// A connection check that does not look at the machine's interfaces: the server is local.
class TLocal : public IConnectionCheck {
public:
    bool IsInternetConnected(const QString&) override { return true; }
};
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    TSfxDbStore store(":memory:");
    FillStore(store);
    TSfxDbService service(store, {});
    httplib::Server server;
    service.Install(server);
    const int port = server.bind_to_any_port("127.0.0.1");
    std::thread listener([&] { server.listen_after_bind(); });
    while (!server.is_running())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const QString host = QString("127.0.0.1:%1").arg(port);

    TCurlHttpClient http;
    TLocal connection;
    QTemporaryDir folder;
    QByteArray document;
    const double bare = MedianMilliseconds([&] {
        document = http.Get(("http://" + host + "/Trackmoth/cddb/v2/qDB.asp").toUtf8()).Body;
    });
    const double parse = MedianMilliseconds([&] { TSfxDbDocument::ParseDatabase(document); });
    const auto records = TSfxDbDocument::ParseDatabase(document).Records;
    TSfxDbTree::TTree tree;
    const double build = MedianMilliseconds([&] { tree = TSfxDbTree::Build(records); });

    int cddbVersion = 0;
    TSfxDbClient::TSearch search;
    const double wholeSearch = MedianMilliseconds([&] {
        cddbVersion = 0; // an old cache: the revision is newer, the database is fetched
        TSfxDbClient client(http, connection, [&] { return host; }, folder.path(), cddbVersion);
        search = client.Search("", "", "");
    });
    int version = 0;
    TfSFXdb dialog(http, connection, [&] { return host; }, folder.path(), version);
    const double fill = MedianMilliseconds([&] { dialog.BuildTree(search.Tree.Nodes); });

    std::printf("SFX CD database of %lld records, %lld KB as XML, %d producer nodes\n",
                static_cast<long long>(records.size()), static_cast<long long>(document.size() / 1024),
                dialog.tree->topLevelItemCount());
    std::printf("  bare download (baseline)           %8.1f ms\n", bare);
    std::printf("  parse the document                 %8.1f ms\n", parse);
    std::printf("  build the tree as data             %8.1f ms\n", build);
    std::printf("  search with download and tree      %8.1f ms  (%.1f x the download; target < 200 ms)\n",
                wholeSearch, wholeSearch / bare);
    std::printf("  fill the dialog's tree             %8.1f ms\n", fill);
    std::printf("  download, tree and dialog together %8.1f ms\n", wholeSearch + fill);
    server.stop();
    listener.join();
    return search.Found ? 0 : 1;
}

// trackmoth-sfxdb: the SFX CD database server for Trackmoth. A studio runs it on its own
// machine or LAN and points Trackmoth's option "SFX CD database server:" at it.
#include "SfxDbXml.h"
#include "TSfxDbService.h"
#include "TSfxDbStore.h"

#include <httplib.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <mutex>
#include <pthread.h>
#include <sstream>
#include <string>
#include <thread>

namespace {
struct TOptions {
    std::string database = "trackmoth-sfxdb.sqlite";
    std::string address = "127.0.0.1";
    int port = 8080;
    std::string importFile;
    std::string exportFile;
    bool quiet = false;
};

const char* const usage =
    "Usage: trackmoth-sfxdb [--database FILE] [--address ADDRESS] [--port PORT] [--quiet]\n"
    "       trackmoth-sfxdb [--database FILE] --import FILE.xml\n"
    "       trackmoth-sfxdb [--database FILE] --export FILE.xml\n"
    "Serves the SFX CD database in FILE (default trackmoth-sfxdb.sqlite, created when missing)\n"
    "under http://ADDRESS:PORT/Trackmoth/cddb/v2/ (default 127.0.0.1:8080; port 0 takes a free\n"
    "one; 0.0.0.0 serves the whole network). --import adds the CDs of an XML file (an export),\n"
    "--export writes every CD with its tracks and disc ids. Each request is logged on standard\n"
    "output unless --quiet.\n";

bool ParseOptions(int argc, char** argv, TOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--quiet") {
            options.quiet = true;
            continue;
        }
        if (option == "--help" || option == "-h" || i + 1 >= argc)
            return false;
        const std::string value = argv[++i];
        if (option == "--database")
            options.database = value;
        else if (option == "--address")
            options.address = value;
        else if (option == "--import")
            options.importFile = value;
        else if (option == "--export")
            options.exportFile = value;
        else if (option == "--port") {
            try {
                options.port = std::stoi(value);
            } catch (const std::exception&) {
                return false;
            }
            if (options.port < 0 || options.port > 65535)
                return false;
        } else
            return false;
    }
    return true;
}

int Import(TSfxDbStore& store, const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "Cannot read " << file << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const std::vector<TSfxCd> cds = ParseImportXml(text.str());
    store.Import(cds);
    std::cout << "Imported " << cds.size() << " CDs; revision " << store.Revision() << "\n";
    return 0;
}

int Export(TSfxDbStore& store, const std::string& file) {
    const std::string xml = ExportXml(store.All(), store.Revision());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out || !out.write(xml.data(), std::streamsize(xml.size())) || !out.flush()) {
        std::cerr << "Cannot write " << file << "\n";
        return 1;
    }
    return 0;
}

int Serve(TSfxDbStore& store, const TOptions& options) {
    // SIGINT and SIGTERM end the server in order: one thread waits for them.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    std::mutex outputMutex;
    TSfxDbService service(store, [&](const std::string& line) {
        if (options.quiet)
            return;
        std::lock_guard lock(outputMutex);
        std::fprintf(stdout, "%s\n", line.c_str());
        std::fflush(stdout);
    });
    httplib::Server server;
    service.Install(server);
    const int port = options.port == 0 ? server.bind_to_any_port(options.address)
                                       : (server.bind_to_port(options.address, options.port)
                                              ? options.port
                                              : -1);
    if (port < 0) {
        std::cerr << "Cannot listen on " << options.address << ":" << options.port << "\n";
        return 1;
    }
    std::fprintf(stdout, "Serving %s on http://%s:%d%s\n", options.database.c_str(),
                 options.address.c_str(), port, TSfxDbService::BasePath);
    std::fflush(stdout);
    std::thread stopper([&server, signals] {
        int received = 0;
        sigwait(&signals, &received);
        server.stop();
    });
    const bool listened = server.listen_after_bind();
    // The listener may also end on its own; wake the stopper then.
    pthread_kill(stopper.native_handle(), SIGTERM);
    stopper.join();
    return listened ? 0 : 1;
}
} // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << usage;
        return 2;
    }
    try {
        TSfxDbStore store(options.database);
        if (!options.importFile.empty())
            return Import(store, options.importFile);
        if (!options.exportFile.empty())
            return Export(store, options.exportFile);
        return Serve(store, options);
    } catch (const std::exception& error) {
        std::cerr << "trackmoth-sfxdb: " << error.what() << "\n";
        return 1;
    }
}

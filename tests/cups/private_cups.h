// The private CUPS server of the CUPS tests, started by main before Qt reads the CUPS settings.
#pragma once

#include <string>

struct PrivateCups {
    std::string dir;              // everything of the server lives here
    std::string socket;           // CUPS_SERVER
    std::string queue;            // the cups-pdf queue, also the default printer
    std::string marginsQueue;     // the same with a 12 pt unprintable border on A4
    std::string wideMarginsQueue; // A4 with 18 pt borders at the sides, 36 pt at top and bottom
    std::string spareQueue;       // like the first; tests may stop, remove and add it again
    std::string ppd;              // the PPD of the first and the spare queue
    std::string outDir;           // where cups-pdf writes the documents
    std::string skipReason;       // why the server is not there; empty when it runs
    bool Running() const { return skipReason.empty(); }
};

// Filled in by main.
PrivateCups& TheCups();
// Stops the server (a test of what a stopped server does) and starts it again on the same folder,
// its queues as they were; StartTheCupsAgain is true when it answers again.
void StopTheCups();
bool StartTheCupsAgain();

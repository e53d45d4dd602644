// What the print tests share: the print dialog's answer that prints to a PDF file, and the
// print counters as another program reads them from the database file.
#pragma once

#include "winlib/DialogScript.h"
#include "winlib/Printers.h"

#include <sqlite3.h>

#include <filesystem>
#include <vector>

// OK in the print dialog, on the built-in PDF printer, into Pdf.
inline DialogAnswer PrintTo(const std::filesystem::path& Pdf) {
    DialogAnswer a;
    a.Kind = DialogKind::Print;
    a.Ok = true;
    a.PrinterName = PdfPrinterName;
    a.FileName = Pdf.string();
    return a;
}

// The count column of every PrintCount row in the order of the paper kinds, read through a
// connection of its own that waits for a lock the program holds; empty when there is no table.
inline std::vector<int> PrintCounts(const std::filesystem::path& Db) {
    std::vector<int> counts;
    sqlite3* c = nullptr;
    if (sqlite3_open_v2(Db.c_str(), &c, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_busy_timeout(c, 10000);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(c, "select count from PrintCount order by no", -1, &st, nullptr);
        while (st && sqlite3_step(st) == SQLITE_ROW)
            counts.push_back(sqlite3_column_int(st, 0));
        sqlite3_finalize(st);
    }
    sqlite3_close(c);
    return counts;
}

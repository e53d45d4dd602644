// The database of print counters and per-line emphasis rows.
//
// A statement that fails in an expected way (a table or a counter row that exists, a lock still
// held by another program after the busy wait) leaves the data as it was and nothing is
// shown. A database that cannot be used at all (a file that is not a database or is damaged, a
// file or folder that cannot be written, a full disk) is reported once, naming the file and the
// cause; the connection then becomes read-only, so the file is never written again in this run
// and its per-line emphasis rows stay for the user to save.
#include "Unit1.h"

#include "Yxfile.h"

#include <sqlite3.h>

#include <vector>

namespace {
// How long a statement waits for another program's lock on the file before it gives up.
constexpr int kBusyWaitMs = 5000;

int Execute(TForm1* f) {
    if (!f->DbHandle) return SQLITE_MISUSE;
    return sqlite3_exec(f->DbHandle, f->SqlText.c_str(), nullptr, nullptr, nullptr);
}

// Results that are ignored: a statement refused (the table exists, the counter row
// exists), a lock that outlasted the wait, no connection at all.
bool Expected(int rc) {
    switch (rc & 0xFF) {
    case SQLITE_OK:
    case SQLITE_ROW:
    case SQLITE_DONE:
    case SQLITE_ERROR:
    case SQLITE_CONSTRAINT:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_MISUSE:
        return true;
    default:
        return false;
    }
}

AnsiString Cause(int rc) {
    switch (rc & 0xFF) {
    case SQLITE_NOTADB:
        return "データベースのファイルではありません（中身が別のものか、壊れています）";
    case SQLITE_CORRUPT:
        return "ファイルが壊れています";
    case SQLITE_READONLY:
        return "ファイルに書き込めません（読み取り専用です）";
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return "書き込みが許されていません";
    case SQLITE_CANTOPEN:
        return "ファイルを開けません（フォルダーがないか、書き込みが許されていません）";
    case SQLITE_FULL:
        return "ディスクがいっぱいです";
    case SQLITE_IOERR:
        return "ファイルの読み書きに失敗しました";
    case SQLITE_NOMEM:
        return "メモリーが足りません";
    default:
        return "SQLite のエラー " + IntToStr(rc) + "（" + AnsiString(sqlite3_errstr(rc)) + "）";
    }
}

void OpenConnection(TForm1* f, int flags) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(f->DbFile.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        db = nullptr;
    } else {
        sqlite3_busy_timeout(db, kBusyWaitMs);
    }
    f->DbHandle = db;
}

// Ends the transaction begun with "begin immediate": committed when its statements went well
// (Rc), else rolled back as a whole, so that nothing of it is kept half-way. A failure that is
// no expected refusal is then reported; the rollback comes first, as the report leaves the
// file to a read-only connection.
void EndTransaction(TForm1* f, int rc) {
    if (rc == SQLITE_OK) {
        f->SqlText = "commit";
        rc = Execute(f);
    }
    if (rc == SQLITE_OK) return;
    f->SqlText = "rollback";
    Execute(f);
    f->DatabaseResult(rc);
}
} // namespace

bool TForm1::DatabaseResult(int Rc) {
    if (Expected(Rc)) return true;
    if (DbReported) return false;
    DbReported = true;
    // From now on nothing is written to the file: a damaged database is not made worse, and a
    // file that is not a database stays as it is.
    if (DbHandle) sqlite3_close_v2(DbHandle);
    OpenConnection(this, SQLITE_OPEN_READONLY);
    ShowMessage("印刷枚数と行ごとの強調を記録するデータベースを使えません。\n" + DbFile + "\n" + Cause(Rc) +
                "\n\nこのファイルには書き込まず、このあとの印刷枚数は数えません。\n"
                "行ごとの強調を残すには、プログラムを終えてからこのファイルを別の場所へ移してください。");
    return false;
}

void TForm1::OpenDatabase() {
    DbFile = ProgramDataFolder() + "/rulif.db3";
    SqlText = DbFile;
    OpenConnection(this, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    if (!DbHandle) {
        // Not even a connection: the folder is missing or closed to us. Reading may still work.
        const int rc = SQLITE_CANTOPEN;
        OpenConnection(this, SQLITE_OPEN_READONLY);
        DatabaseResult(rc);
    }
    // The tables and counter rows in one transaction: one wait for a lock and one commit at start.
    // When another program keeps the file locked past the wait, they are left for the next start
    // (the rows exist but at the very first start, and a job seeds its own row).
    SqlText = "begin immediate";
    int rc = Execute(this);
    if (rc != SQLITE_OK) {
        DatabaseResult(rc);
    } else {
        // A table or counter row that exists already is refused, as expected, and the
        // transaction goes on; any other failure ends it.
        std::vector<AnsiString> statements = {
            "create table MultiLine_individual(no Integer not null primary key,color,size,type)",
            "create table PrintCount(no Integer not null primary key,count Integer not null ,time "
            "Integer not null)"};
        for (int n = 0; n <= 9; ++n)
            statements.push_back("insert into PrintCount(no,count,time) values(" + IntToStr(n) + ",0,0)");
        for (const AnsiString& statement : statements) {
            SqlText = statement;
            rc = Execute(this);
            if (!Expected(rc)) break;
            rc = SQLITE_OK;
        }
        EndTransaction(this, rc);
    }
    SqlText = "select * from MultiLine_individual;";
    sqlite3_stmt* stmt = nullptr;
    if (DbHandle) sqlite3_prepare_v2(DbHandle, SqlText.c_str(), -1, &stmt, nullptr);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        ListBox1->AddItem(IntToStr(sqlite3_column_int(stmt, 0)));
    }
    sqlite3_finalize(stmt);
}

int TForm1::ReadPrintCount(int Kind) {
    SqlText = "select count from PrintCount where no=" + IntToStr(Kind);
    sqlite3_stmt* stmt = nullptr;
    if (DbHandle) sqlite3_prepare(DbHandle, SqlText.c_str(), -1, &stmt, nullptr);
    if (!stmt) return 0;
    const int count = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    return count;
}

void TForm1::AddPrintCount(int Kind) {
    TPrintCounts sheets{};
    if (Kind < 0 || Kind >= static_cast<int>(sheets.size())) return;
    sheets[static_cast<size_t>(Kind)] = 1;
    AddPrintCounts(sheets);
}

void TForm1::AddPrintCounts(const TPrintCounts& Sheets) {
    bool any = false;
    for (int n : Sheets)
        any = any || n > 0;
    if (!any || !DbHandle || DbReported) return;
    // One transaction, one commit (and so one sync of the file) for the whole job.
    SqlText = "begin immediate";
    int rc = Execute(this);
    if (rc != SQLITE_OK) {
        DatabaseResult(rc);
        return;
    }
    for (size_t k = 0; k < Sheets.size() && rc == SQLITE_OK; ++k) {
        if (Sheets[k] <= 0) continue;
        // The counter row, should the start-up have been kept from seeding it; it fails on an
        // existing row, which is ignored.
        SqlText = "insert into PrintCount(no,count,time) values(" + IntToStr(static_cast<int>(k)) + ",0,0)";
        rc = Execute(this);
        if ((rc & 0xFF) == SQLITE_CONSTRAINT) rc = SQLITE_OK;
        if (rc != SQLITE_OK) break;
        SqlText = "update PrintCount set count=count+" + IntToStr(Sheets[k]) +
                  " where no=" + IntToStr(static_cast<int>(k));
        rc = Execute(this);
    }
    EndTransaction(this, rc);
}

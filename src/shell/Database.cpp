// The database of print counters and per-line emphasis rows. No SQLite result is looked at:
// a failed statement leaves the data as it was and nothing is shown.
#include "Unit1.h"

#include "Yxfile.h"

#include <sqlite3.h>

namespace {
void Execute(TForm1* f) {
    sqlite3_exec(f->DbHandle, f->SqlText.c_str(), nullptr, nullptr, nullptr);
}
} // namespace

void TForm1::OpenDatabase() {
    SqlText = ProgramDataFolder() + "/rulif.db3";
    sqlite3_open(SqlText.c_str(), &DbHandle);
    SqlText = "create table MultiLine_individual(no Integer not null primary key,color,size,type)";
    Execute(this);
    SqlText = "create table PrintCount(no Integer not null primary key,count Integer not null ,time Integer "
              "not null)";
    Execute(this);
    for (int n = 0; n <= 9; ++n) {
        SqlText = "insert into PrintCount(no,count,time) values(" + IntToStr(n) + ",0,0)";
        Execute(this);
    }
    SqlText = "select * from MultiLine_individual;";
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(DbHandle, SqlText.c_str(), -1, &stmt, nullptr);
    while (stmt && sqlite3_step(stmt) == SQLITE_ROW) {
        const int no = sqlite3_column_int(stmt, 0);
        (void)sqlite3_column_int(stmt, 1);
        (void)sqlite3_column_double(stmt, 2);
        (void)sqlite3_column_int(stmt, 3);
        ListBox1->AddItem(IntToStr(no));
    }
    sqlite3_finalize(stmt);
}

int TForm1::ReadPrintCount(int Kind) {
    SqlText = "select count from PrintCount where no=" + IntToStr(Kind);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare(DbHandle, SqlText.c_str(), -1, &stmt, nullptr);
    sqlite3_step(stmt);
    const int count = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return count;
}

void TForm1::AddPrintCount(int Kind) {
    if (Kind < 0 || Kind > 6) return;
    SqlText = "update PrintCount set count=count+1 where no=" + IntToStr(Kind);
    Execute(this);
}

// The statistics database: created and seeded at the first start, left alone at later starts.
#include "MainWindowFixture.h"

#include <sqlite3.h>

namespace {
struct Row {
    int no, count, time;
};

std::vector<Row> PrintCountRows(const std::filesystem::path& file) {
    sqlite3* db = nullptr;
    std::vector<Row> rows;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db, "select no,count,time from PrintCount order by no", -1, &st, nullptr);
        while (st && sqlite3_step(st) == SQLITE_ROW)
            rows.push_back({sqlite3_column_int(st, 0), sqlite3_column_int(st, 1), sqlite3_column_int(st, 2)});
        sqlite3_finalize(st);
    }
    sqlite3_close(db);
    return rows;
}
} // namespace

TEST_F(MainWindowTest, FirstStartCreatesTheTablesAndTenCounterRows) {
    const auto rows = PrintCountRows(Path("rulif.db3"));
    ASSERT_EQ(rows.size(), 10u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(rows[i].no, i);
        EXPECT_EQ(rows[i].count, 0);
        EXPECT_EQ(rows[i].time, 0);
    }
    EXPECT_EQ(f->ListBox1->ItemCount(), 0);
}

TEST_F(MainWindowTest, LaterStartsKeepTheCountsAndListTheEmphasisRowsSorted) {
    f->AddPrintCount(0);
    f->AddPrintCount(0);
    f->AddPrintCount(6);
    f->AddPrintCount(7); // text pages are not counted
    for (int no : {2, 10, 5}) {
        f->SqlText =
            "insert into MultiLine_individual(no,color,size,type) values(" + IntToStr(no) + ",255,0.5,1)";
        sqlite3_exec(f->DbHandle, f->SqlText.c_str(), nullptr, nullptr, nullptr);
    }
    Restart();
    const auto rows = PrintCountRows(Path("rulif.db3"));
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows[0].count, 2);
    EXPECT_EQ(rows[6].count, 1);
    EXPECT_EQ(rows[7].count, 0);
    ASSERT_EQ(f->ListBox1->ItemCount(), 3);
    EXPECT_EQ(f->ListBox1->Item(0), "10"); // the list box sorts as text
    EXPECT_EQ(f->ListBox1->Item(1), "2");
    EXPECT_EQ(f->ListBox1->Item(2), "5");
    EXPECT_EQ(f->ReadPrintCount(0), 2);
}

TEST_F(MainWindowTest, AnUnusableDatabaseCountsNothingAndShowsZero) {
    sqlite3_close(f->DbHandle);
    f->DbHandle = nullptr;
    f->AddPrintCount(0);
    EXPECT_EQ(f->ReadPrintCount(0), 0);
}

#include "record_table.h"

#include <gtest/gtest.h>

using namespace skelvora;

TEST(Record, ClearLoanKeepsHistoryAndClearAllResetsEverything)
{
    TCD r;
    r.ID = 7;
    r.PrimaryName = "Alien ";
    r.SecondaryName = "Vetrelec ";
    r.Occupier = "Eve ";
    r.RentTime = 779046191;
    r.LastOccupier = "Eve ";
    r.MediaType = 2;
    r.RentCount = 3;

    TCD loan = r;
    loan.ClearLoan();
    EXPECT_EQ(loan.Occupier, "");
    EXPECT_EQ(loan.RentTime, 0);
    EXPECT_EQ(loan.LastOccupier, "Eve ");
    EXPECT_EQ(loan.RentCount, 3);
    EXPECT_EQ(loan.ID, 7);
    EXPECT_EQ(loan.PrimaryName, "Alien ");
    EXPECT_EQ(loan.MediaType, 2);

    r.ClearAll();
    EXPECT_EQ(r.ID, 0);
    EXPECT_EQ(r.PrimaryName, "");
    EXPECT_EQ(r.SecondaryName, "");
    EXPECT_EQ(r.Occupier, "");
    EXPECT_EQ(r.LastOccupier, "");
    EXPECT_EQ(r.RentTime, 0);
    EXPECT_EQ(r.MediaType, 0);
    EXPECT_EQ(r.RentCount, 0);
}

TEST(Record, EmptyTextRule)
{
    EXPECT_TRUE(IsEmptyText(""));
    EXPECT_TRUE(IsEmptyText(" "));
    EXPECT_FALSE(IsEmptyText("  "));
    EXPECT_FALSE(IsEmptyText("a"));
    EXPECT_FALSE(IsEmptyText(" a"));
    TCD r;
    r.Occupier = " ";
    EXPECT_FALSE(IsLent(r));
    r.Occupier = "Bob ";
    EXPECT_TRUE(IsLent(r));
}

TEST(RecordTable, CountsLentRecordsOnlyInTheShownRows)
{
    Catalogue c;
    c.RowCount = 4;  // three records
    c.Table.ensure(0).Occupier = "RentTime ";  // header texts never count
    c.Table.ensure(1).Occupier = "Ann";
    c.Table.ensure(2).Occupier = " ";
    c.Table.ensure(3).Occupier = "Bob ";
    c.Table.ensure(4).Occupier = "Spare";  // beyond RowCount-1
    c.CountLent();
    EXPECT_EQ(c.LentCount, 2);
}

TEST(RecordTable, FullTableHasRoomForTheSpareRecordAndDiscardsAll)
{
    RecordTable t;
    t.ensure(kMaxRowCount).PrimaryName = "spare";
    t.ensure(1).PrimaryName = "one";
    t.swap(1, 2);
    EXPECT_EQ(t.at(1), nullptr);
    ASSERT_NE(t.at(2), nullptr);
    EXPECT_EQ(t.at(2)->PrimaryName, "one");
    t.DiscardAll();
    for (int k = 0; k < RecordTable::kSlotCount; ++k)
        EXPECT_EQ(t.at(k), nullptr);
    EXPECT_EQ(t.at(-1), nullptr);
    EXPECT_EQ(t.at(RecordTable::kSlotCount), nullptr);
}

TEST(RecordTable, DatabasePathGivesNameAndSavePrompt)
{
    Catalogue c;
    c.SetDatabasePath("/home/eva/films/Sbirka 2004.fmd");
    EXPECT_EQ(c.DatabaseName, "Sbirka 2004.fmd");
    EXPECT_EQ(c.SavePrompt, "Database Sbirka 2004.fmd was changed. Do you want save it?");
    EXPECT_EQ(DirectoryPart(c.DatabasePath), "/home/eva/films/");
}

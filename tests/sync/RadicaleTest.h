#pragma once

#include "RadicaleServer.h"

#include <gtest/gtest.h>

// A test with a fresh Radicale holding the empty address book "alice/book/",
// and a client of the server's user to look at it or change it from outside.
// Skipped where radicale is not installed.
class RadicaleTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!RadicaleServer::Available())
            GTEST_SKIP() << "radicale is not installed";
        ASSERT_TRUE(server.Start()) << server.Output().toStdString();
        const DavReply made = server.MakeBook(admin);
        ASSERT_EQ(made.status, 201) << made.Describe().toStdString();
    }

    // For the SetUp of a derived test: whether this one's went through.
    bool Ready() const { return !IsSkipped() && !HasFatalFailure(); }

    RadicaleServer server;
    DavClient admin{QStringLiteral("alice"), QStringLiteral("secret")};
};

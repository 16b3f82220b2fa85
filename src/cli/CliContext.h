#pragma once

// Shared state of one zendrivo-cli run.
struct CliContext
{
    int exitCode = 0;
};

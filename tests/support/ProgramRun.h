#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <string>

// A program run through the shell: its exit status and what it wrote to standard output.
struct ProgramRun {
    int status = -1;
    std::string output;
};

inline ProgramRun RunProgram(const std::string& command) {
    ProgramRun run;
    std::FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t read; (read = std::fread(buffer, 1, sizeof(buffer), pipe)) > 0;) {
        run.output.append(buffer, read);
    }
    const int wait = ::pclose(pipe);
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
    return run;
}

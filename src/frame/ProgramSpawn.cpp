#include "frame/ProgramSpawn.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

pid_t SpawnProgram(const std::vector<std::string>& arguments, const ProgramStreams& streams)
{
    const int given[] = {streams.input, streams.output, streams.errors};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The given descriptors first: one may sit where the next steps open.
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (given[fd] >= 0)
            posix_spawn_file_actions_adddup2(&actions, given[fd], fd);
    }
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (given[fd] < 0)
            posix_spawn_file_actions_addopen(&actions, fd, "/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
    }
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);

    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigset_t all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int failure = ::posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (failure != 0) {
        errno = failure;
        return -1;
    }
    return pid;
}

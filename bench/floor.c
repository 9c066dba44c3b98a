/* The floor of the benchmark: the least a launcher can do for the 11-entry
 * chain, that is start /bin/true eleven times with posix_spawn and wait for
 * each with waitpid. No output, no configuration file. */
#include <spawn.h>
#include <stdio.h>
#include <sys/wait.h>

extern char** environ;

int main(void) {
  char* argv[] = {"/bin/true", NULL};
  for (int i = 0; i < 11; ++i) {
    pid_t child;
    if (posix_spawn(&child, argv[0], NULL, NULL, argv, environ) != 0) return 1;
    int status;
    if (waitpid(child, &status, 0) < 0) return 1;
  }
  return 0;
}

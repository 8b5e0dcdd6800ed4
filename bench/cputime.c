/* Used by bench/startup.sh: runs an anchor command and a command in alternation, RUNS
   times each, and prints the median CPU time (user and system) of a whole process of
   each, and their ratio. Alternating shares the machine's noise between the two.

   usage: cputime RUNS ANCHOR [ARG]... -- COMMAND [ARG]... */
#define _DEFAULT_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

static double run(char** argv) {
  pid_t child = fork();
  if (child == 0) {
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execvp(argv[0], argv);
    _exit(127);
  }
  int status = 0;
  struct rusage usage;
  if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    fprintf(stderr, "cputime: %s failed\n", argv[0]);
    exit(1);
  }
  return (double)(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 +
         (double)(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec);
}

static int ascending(const void* a, const void* b) {
  double x = *(const double*)a, y = *(const double*)b;
  return (x > y) - (x < y);
}

static double median(double* values, int n) {
  qsort(values, (size_t)n, sizeof *values, ascending);
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

int main(int argc, char** argv) {
  int split = 2;
  while (split < argc && strcmp(argv[split], "--") != 0) split++;
  int runs = argc > 1 ? atoi(argv[1]) : 0;
  if (runs <= 0 || split == 2 || split + 1 >= argc) {
    fprintf(stderr, "usage: cputime RUNS ANCHOR [ARG]... -- COMMAND [ARG]...\n");
    return 2;
  }
  argv[split] = NULL;
  double* anchor = calloc((size_t)runs, sizeof *anchor);
  double* command = calloc((size_t)runs, sizeof *command);
  if (anchor == NULL || command == NULL) return 1;
  for (int i = 0; i < runs; i++) {
    anchor[i] = run(argv + 2);
    command[i] = run(argv + split + 1);
  }
  double a = median(anchor, runs), c = median(command, runs);
  printf("%-40.40s %8.0f us CPU (median of %d)\n", argv[2], a, runs);
  printf("%-40.40s %8.0f us CPU, %.1f x the anchor\n", argv[split + 1], c, c / a);
  free(anchor);
  free(command);
  return 0;
}

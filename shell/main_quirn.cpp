#include "programs/descriptor.h"
#include "shell/run.h"

int main(int argc, char** argv) {
  return tessaly::shell::run_program(argc, argv, tessaly::quirn_program());
}

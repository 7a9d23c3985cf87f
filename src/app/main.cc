// vornik: coordinates work on a file kept in a working folder and its mirrors.
#include <string>
#include <vector>

#include "app/driver.h"

int main(int argc, char** argv) {
  return vornik::run_driver(std::vector<std::string>(argv, argv + argc));
}

#include "twostar/shell/application.h"

int main(int argc, char** argv) { return twostar::runApplication(argc, argv); }

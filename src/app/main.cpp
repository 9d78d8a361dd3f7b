#include "app/start.h"

int main(int argc, char** argv) { return app::runTrainer(argc, argv); }

#include "game/main_program.h"

int main() { return tf::run_program(); }

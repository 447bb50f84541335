#include "game/main_program.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <iostream>
#include <new>
#include <ostream>

#include "game/game.h"
#include "game/startup.h"
#include "game/task_loop.h"
#include "text/console.h"
#include "text/fatal.h"
#include "text/file_channel.h"
#include "text/internal_error.h"
#include "text/standard_streams.h"

namespace tf {

namespace {

// The run until its end; a fatal I/O error leaves it by exception, after
// the file channel has closed whatever it held.
int play(const GameIo& io, Console& con) {
  FileChannel files(io.dir);
  Game game{con, files, {}, {}, {}, {}, {}, {}};
  if (const std::optional<int> ended = start_up(game, io.seed)) return *ended;
  return task_loop(game);
}

// The three lines of the report on standard error, written from texts that
// exist already: nothing is allocated, so that exhausted memory can be told.
int fatal_report(std::ostream& err, const char* header, const char* message,
                 const char* operation) {
  err << "? " << header << '\n' << "? " << message << '\n' << "? " << operation << '\n';
  err.flush();
  return kExitFatal;
}

// The report of a fault of the program itself: a broken check with its
// condition and place, or any other exception that nothing in the game
// throws on purpose, with its text. Allocates nothing, like the report above.
int internal_error_report(std::ostream& err, const char* what, const char* file = nullptr,
                          int line = 0) {
  err << "? Tillerfold stopped: internal error\n";
  if (file != nullptr) {
    err << "? Check failed: " << what << '\n' << "? At " << file << ':' << line << '\n';
  } else {
    err << "? " << what << '\n';
  }
  err << "? This is a fault of the program: please report these lines\n";
  err.flush();
  return kExitFatal;
}

// Runs `body`; whatever leaves it ends the run with the report on `err`.
template <typename Body>
int guarded(std::ostream& err, Body body) {
  try {
    return body();
  } catch (const FatalIoError& e) {
    return fatal_report(err, e.header().c_str(), e.message().c_str(), e.operation().c_str());
  } catch (const std::bad_alloc&) {
    // Memory that runs out anywhere but in the creation of the table groups
    // (which have their own message) ends the run like a failed operation.
    return fatal_report(err, FatalIoError::kSystemHeader, std::strerror(ENOMEM),
                        "Allocating memory");
  } catch (const InternalError& e) {
    return internal_error_report(err, e.condition(), e.file(), e.line());
  } catch (const std::exception& e) {
    // No part of the game throws anything else: a fault of the program,
    // still reported, never an abort.
    return internal_error_report(err, e.what());
  }
}

}  // namespace

int run_game(const GameIo& io) {
  return guarded(io.err, [&] {
    Console con(io.in, io.out);
    return play(io, con);
  });
}

namespace {

// Memory kept from the start and given back when an allocation fails, so
// that the exception that carries the failure to the report can itself be
// made: with nothing left, throwing it would end the process by an abort.
constexpr std::size_t kReserveBytes = 64 * 1024;
void* reserve = nullptr;

void give_back_reserve() {
  std::free(reserve);
  reserve = nullptr;
  throw std::bad_alloc();
}

}  // namespace

int run_program() {
  reserve = std::malloc(kReserveBytes);
  if (reserve == nullptr) {
    return fatal_report(std::cerr, FatalIoError::kSystemHeader, std::strerror(ENOMEM),
                        "Allocating memory");
  }
  std::set_new_handler(give_back_reserve);
  return guarded(std::cerr, [] {
    StandardStreams streams;
    // The working directory by its relative name: a folder that has gone is
    // met at the first open, like any other failing open.
    return run_game({streams.in(), streams.out(), streams.err(), {}, {}});
  });
}

}  // namespace tf

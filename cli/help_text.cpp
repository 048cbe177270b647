// The text of pemrix-cli --help.

#include "cli/arguments.h"

#include "image/expander_file.h"

namespace pemrix::cli {

std::string helpText() {
    return std::string(R"(Usage:
  pemrix-cli (--device PATH | --port N) link  --module 416|417|relay
  pemrix-cli (--device PATH | --port N) read  --module 416|417|relay [-o FILE]
  pemrix-cli (--device PATH | --port N) write --module 416|417|relay FILE
  pemrix-cli (--device PATH | --port N) key   --module 416|417

Talks to one Orvel module on a serial line, as the configurator's module windows
do, without a window. read, write and key first establish the link (up to ten link
requests, 2 to 3 seconds each), then run their exchange.

Commands:
  link    establish the link; prints the module kind it answered: 2 (Orvel-416),
          1 (Orvel-417), 5 (relay module Orvel-427) or 6 (Orvel-426)
  read    read the module's configuration; prints the configuration file, or
          writes it to FILE with -o (replaced atomically)
  write   send the configuration file FILE to the module
  key     read the identifier of the touch-memory key presented to the module;
          prints it as 12 hexadecimal digits

Options:
  --device PATH   the serial device, e.g. /dev/ttyUSB0 (//./COM3 on Windows)
  --port N        port COMn, N = 1..4, mapped to a device as the configurator maps
                  it: the [Devices] COMn=... entry of its settings, else
                  /dev/ttyS0../dev/ttyS3 (//./COMn on Windows)
  --module M      416 (Orvel-416), 417 (Orvel-417) or relay (Orvel-426/427)
  -o, --output FILE
                  read: write the configuration file to FILE instead of stdout
  --trace FILE    write every byte of the exchanges to FILE as it happens: its
                  direction, the time since the exchange began and what it is
                  (link request, header, frame, checksum, echo, acknowledgement...),
                  one line per byte, in the configurator's (Russian) texts. FILE is
                  created or emptied before anything is sent; it may not be the
                  configuration file of write nor the -o file. If a line cannot be
                  written (a full disk), the trace stops there and the program says
                  why; a run that otherwise succeeded then ends with 74
  --fast-timing   FOR TESTS AGAINST THE EMULATOR ONLY: drops the fixed waits (2000 ms
                  before a link answer, 1000 ms before an acknowledgement, 300 ms
                  after opening, 10 ms around relay bytes). A real module misses
                  requests sent this fast.
  -h, --help      this text

Options may stand before or after the command, as "--name value" or "--name=value".

Configuration files (plain text, one decimal number per line, CR LF line ends):
  416, 417  65 lines: image bytes 0..63, then the module kind (2 for the Orvel-416,
            1 for the Orvel-417)
  relay     67 lines: image bytes 0..65, then the relay variant: 5 (Orvel-427,
            eight relays) or 6 (Orvel-426, four relays). read writes the variant the
            module answered in its link answer, and the version byte (line 56) as 0.
  write checks the file before anything is sent: a file of another module kind is
  refused with
    )" + std::string(image::WrongModuleKindMessage) +
                       R"(
  as is a relay file whose last line is not 5 or 6; a missing, short or
  non-numeric file and any value outside 0..255 are refused too. A relay file's
  variant need not match the module: as in the configurator with a link, the
  connected module's variant holds, and the 66 bytes are sent as they stand (a
  note on stderr tells when the two differ).

Output:
  stderr  every report as it happens, in the configurator's own (Russian) texts,
          one per line (link attempts, link established, errors ...), and the
          system's reason when the port fails
  stdout  the result only: the kind linked, the configuration file, the key code.
          The report of success ("...завершено", or the link for the link command)
          comes only once the result is written; if stdout cannot take it (a full
          disk, a closed stream) the program says why and ends with 74.

Exit codes (the last outcome decides):
  0   success
  1   no answer to the link request
  2   usage error, or a bad or mismatched file (nothing sent); or the output file
      of read cannot be written; or the trace file cannot be created, or is the
      configuration file or the -o file (nothing sent)
  3   a module of another kind answered
  4   a checksum error, or an exchange the module refused or did not acknowledge
  5   no key presented to the module
  6   the port cannot be opened, or it failed during the exchange (a write
      failed, or the device has gone: adapter unplugged); the system's reason is
      shown with the case and what to do (for a permission error: join the
      device's group, usually 'dialout')
  70  an internal error of the program
  74  the result could not be written to stdout, or the exchange succeeded but
      its trace could not be written in full; the system's reason is shown
  130 stopped by SIGINT or SIGTERM (the exchange ends at its next checkpoint)
)");
}

} // namespace pemrix::cli

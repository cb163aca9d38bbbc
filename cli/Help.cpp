#include "Cli.h"

namespace orvanel::cli {

constexpr std::string_view kHelp = R"(Usage: orvanel-cli [OPTION]... COMMAND [OPERAND]...
Converts plane angles as the Orvanel window does, one result line for each input.

Commands:
  rad2deg R...   radians to degrees
  deg2rad A...   degrees, minutes and seconds to radians; A is a whole angle such as
                 45 30 15, 45:30:15, 45°30'15", 45d30m15s, 23Deg25.8', -45.5, 45°30'S
                 or N 45 30
  add X Y        (X + Y) modulo one turn, in radians
  sub X Y        (X - Y) modulo one turn, in radians
  dms2deg A...   a whole angle, as deg2rad reads it, to decimal degrees, exactly
                 (minutes and seconds below 60: 36°57'59.5" is an angle)
  deg2dms X...   decimal degrees to degrees, minutes and seconds, exactly
A latitude or longitude is written with a sign or a hemisphere, before or after it:
-36.952778, 36.952778 S, S 36°57'10", 36°57'10"S; north and east are positive, south and
west negative. Results are signed, with "-".
Without operands a command reads one input a line (for add and sub: X Y) from standard
input, or from each --file in turn. A blank line gives a blank line. Radians and decimal
degrees are numbers as people write them: a sign, digits with one "." or ",", an exponent
(1.5, -2,5, 1e-3). An operand that starts with "-" is a number; "--" ends the options.

Options:
  --figures N      significant figures, as in the window's list: 6, 7 (default), 8 or 9
                   (rad2deg, deg2rad, add, sub)
  --form F         rad2deg's degree form: dms (default), dm (whole minutes), deg (decimal
                   degrees) or degmin (degrees and decimal minutes); deg2dms's: dms, dm
                   or degmin
  --decimals N     0 to 12 decimals of dms2deg's degrees (default 6), or of deg2dms's
                   seconds (--form dms, default 2) or minutes (--form degmin, default 4)
  --values         write only each result, not "input = "; an empty line for a refused one
  --csv            read CSV rows and convert the cells of each --column, leaving every
                   other byte as it was
  --column C       a column to convert: a number from 1, or with --header a name; repeatable
  --header         the first row names the columns and is left as it is
  --delimiter D    the CSV delimiter: "," (default), ";", "|" or tab
  --file F         read the inputs from file F ("-": standard input); repeatable
  --crlf           end the result lines with CR LF, as the window's copy does
  --strict         stop at the first input that is refused
  --line-buffered  write each result at once, also into a pipe or file
  --help           show this help and exit
  --version        show the version and exit

Each line is converted as soon as it has come, from a terminal or a pipe: a terminal
shows its result at once; a pipe or file gets results in large blocks unless
--line-buffered is given. A refused input is reported on standard error as
  orvanel-cli: argument N: "<input>": <message>
  orvanel-cli: line N: "<input>": <message>        (standard input)
  orvanel-cli: FILE: line N: "<input>": <message>
  orvanel-cli: FILE: line N: column C: "<cell>": <message>        (--csv)
with the window's message or why the input is no angle or number ("Two hemispheres",
"A sign and a hemisphere", "An empty field", "Not a number", "Too many fields"), and the
next input is taken; a refused cell is left as it was. Exit status: 0 when every input
converted, 1 when any was refused, 2 for a usage error, a file that could not be read, a
--column name the header lacks, or a failed write.
)";

std::string_view HelpText() {
    return kHelp;
}

} // namespace orvanel::cli

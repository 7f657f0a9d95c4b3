# The options: help and version first, then the usage errors and conflicts.

### HelpWinsOverOtherErrors
$ zembra-convert --to bogus --nope --help
--- stdout
Converts EDACS talk-group IDs between decimal, AFS and hexadecimal, and listing tables
into decoder group lists. Reads the FILEs, or standard input, writes standard output.
Usage: zembra-convert [OPTIONS] [FILE...]

Positionals:
  FILE ...                    Input files ("-": standard input)

Options:
  -h,--help                   Print this help message and exit
  -V,--version                Show the version and exit
  --csv                       Read a table with a header row, comma- or tab-separated
  --auto                      Read a table when the first line names an ID column, else one ID a line
  --ea                        Extended Addressing: IDs 0-65535, which have no AFS form
  --column NAME|N             With --csv, --auto, --merge or --fleetmaps: the ID column, by name or number
  --to TEXT:{dec,afs,hex}     Line mode: write only this form
  --format TEXT:{table,dsd-neo,dsd-fme,dsd,radioreference}
                              With --csv: what to write (table by default)
  --split A:F:S=4:4:3         Agency, fleet and subfleet bits: 3:4:4 or 344
  --log                       Read the FILEs as decoder event logs and write the talk groups heard
  --merge LISTING             With --log: add what was heard to this listing's rows
  --fleetmaps                 Rank the splits that fit the FILE's listing (with --log, the logs)
  -o,--output FILE            Write to FILE, replaced only at status 0 or 1

Line mode reads one ID a line: decimal 0-2047, AFS (09-102, or 4:13:02 under splits
other than 4:4:3) or hexadecimal 0x4D2 (also 0X4d2), and writes the forms tab-separated.
Forms (--to):
  dec             decimal
  afs             AFS
  hex             hexadecimal
Formats (--format):
  table           the listing with Decimal, AFS and Hex added or filled
  dsd-neo         dsd-neo's group list, partial IDs as ranges of talk groups
  dsd-fme         dsd-fme's group list, at most its 1,023 groups
  dsd             the DEC,Mode,Name,Tag list both decoders read before they parted
  radioreference  the listing site's CSV layout
Without --column, a table's ID column is the first of:
  DEC, Decimal, TGID, Talkgroup, ID, AFS, Hex.
dsd-neo suits dsd-neo, dsd-fme suits dsd-fme. The group lists and radioreference
leave refused and repeated IDs out. Messages go to standard error, the outcome in
words last.
Exit status: 0 all converted, 1 rows refused, left out or inconsistent, 2 an error.
--- stderr
--- status
0
### HelpAsH
$ zembra-convert --to bogus -h | head -n 1
--- stdout
Converts EDACS talk-group IDs between decimal, AFS and hexadecimal, and listing tables
--- stderr
--- status
0
### VersionWinsAsV
$ zembra-convert --split 5:5:5 -V
--- stdout
zembra-convert (Zembra) 1.0.1
Copyright (C) 2026 Kestavo Software
--- stderr
--- status
0
### UsageErrorsNameTheProgram
$ zembra-convert --to bogus
--- stdout
--- stderr
zembra-convert: --to: bogus not in {dec,afs,hex}
Try 'zembra-convert --help' for more information.
--- status
2
### ColumnWithoutTable
$ zembra-convert --column 1
--- stdout
--- stderr
zembra-convert: --column requires --csv, --auto, --merge or --fleetmaps
Try 'zembra-convert --help' for more information.
--- status
2
### FormatWithoutCsv
$ zembra-convert --format dsd
--- stdout
--- stderr
zembra-convert: --format requires --csv or --log
Try 'zembra-convert --help' for more information.
--- status
2
### MergeWithoutLog
$ zembra-convert --merge heard.csv
--- stdout
--- stderr
zembra-convert: --merge requires --log
Try 'zembra-convert --help' for more information.
--- status
2
### FleetmapsWithFormat
$ zembra-convert --fleetmaps --format dsd
--- stdout
--- stderr
zembra-convert: --fleetmaps excludes --format
Try 'zembra-convert --help' for more information.
--- status
2
### ToWithCsv
$ zembra-convert --csv --to afs
--- stdout
--- stderr
zembra-convert: --to excludes --csv
Try 'zembra-convert --help' for more information.
--- status
2
### AutoWithCsv
$ zembra-convert --csv --auto
--- stdout
--- stderr
zembra-convert: --auto excludes --csv
Try 'zembra-convert --help' for more information.
--- status
2
### AutoWithFormat
$ zembra-convert --format dsd --auto
--- stdout
--- stderr
zembra-convert: --auto excludes --format
Try 'zembra-convert --help' for more information.
--- status
2
### ExtendedAddressingHasNoAfs
$ zembra-convert --ea --to afs
--- stdout
--- stderr
zembra-convert: Extended Addressing IDs have no AFS form; write them in decimal or hexadecimal
Try 'zembra-convert --help' for more information.
--- status
2

# Files read and the file written with -o, replaced only when the run completes.

### StandardInputNamedAlike
$ zembra-convert - missing .
<<< stdin
x
--- stdout
		
--- stderr
<stdin>:1: 'x' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)
zembra-convert: missing: No such file or directory
zembra-convert: .: Is a directory
zembra-convert: no IDs converted, 1 refused; the run failed
--- status
2
### FileNamesEscaped
$ zembra-convert "$(printf 'a\033[1mb\nc')"
--- stdout
--- stderr
zembra-convert: a\x1b[1mb\x0ac: No such file or directory
zembra-convert: no IDs converted; the run failed
--- status
2
### RefusalsStillWritten
$ zembra-convert --output list.txt --to afs
<<< stdin
2
x
--- stdout
--- stderr
<stdin>:2: 'x' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)
zembra-convert: 1 ID converted, 1 refused
--- status
1
--- list.txt
00-002

### OutputAlsoInput
$ zembra-convert -o list.txt --csv list.txt
<<< list.txt
ID
4
--- stdout
--- stderr
list.txt: talk-group IDs read from column 1, 'ID'
zembra-convert: 1 ID converted
--- status
0
--- list.txt
ID,Decimal,AFS,Hex
4,4,00-004,4
### FailedRunLeavesTheFile
$ zembra-convert -o list.txt - missing
<<< stdin
3
<<< list.txt
old
--- stdout
--- stderr
zembra-convert: missing: No such file or directory
zembra-convert: list.txt left unchanged
zembra-convert: 1 ID converted; the run failed
--- status
2
### FailedRunCreatesNothing
$ zembra-convert -o list.txt missing
--- stdout
--- stderr
zembra-convert: missing: No such file or directory
zembra-convert: list.txt not created
zembra-convert: no IDs converted; the run failed
--- status
2
### FailedWriteLeavesTheFile
$ trap '' XFSZ; ulimit -f 1 && yes 7 | head -n 2000 | zembra-convert -o list.txt
<<< list.txt
old
--- stdout
--- stderr
zembra-convert: cannot write list.txt: File too large
zembra-convert: list.txt left unchanged
zembra-convert: 2000 IDs converted; the run failed
--- status
2
### MissingFolderNamed
$ zembra-convert -o nowhere/list.txt
--- stdout
--- stderr
zembra-convert: cannot write nowhere/list.txt: No such file or directory
--- status
2
### FolderNamed
$ zembra-convert -o .
--- stdout
--- stderr
zembra-convert: cannot write .: Is a directory
--- status
2
### OutputNameEscaped
$ zembra-convert -o "$(printf 'a\033[1mb\nc')/x"
--- stdout
--- stderr
zembra-convert: cannot write a\x1b[1mb\x0ac/x: No such file or directory
--- status
2

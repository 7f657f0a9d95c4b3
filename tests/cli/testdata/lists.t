# Lines and tables, their ID columns, forms and decoder formats.

### AutoReadsLines
$ zembra-convert --auto --to afs
<<< stdin
1234
--- stdout
09-102
--- stderr
--- status
0
### AutoReadsTables
$ zembra-convert --auto --column ID
<<< stdin
ID
5
--- stdout
ID,Decimal,AFS,Hex
5,5,00-005,5
--- stderr
<stdin>: talk-group IDs read from column 1, 'ID'
zembra-convert: 1 ID converted
--- status
0
### SplitAsTheDecodersWriteIt
$ zembra-convert --split 344 --to afs
<<< stdin
1234
--- stdout
4:13:02
--- stderr
--- status
0
### DsdByColumnNumber
$ zembra-convert --csv --format DSD --column 1
<<< stdin
x
5
--- stdout
DEC,Mode,Name,Tag
5,A,00-005,EDACS
--- stderr
<stdin>: talk-group IDs read from column 1, 'x'
zembra-convert: 1 ID converted
--- status
0
### ColumnTrimmedAsHeaders
$ zembra-convert --csv --column ' Dec '
<<< stdin
 Dec ,N
5,a
--- stdout
 Dec ,N,AFS,Hex
5,a,00-005,5
--- stderr
<stdin>: talk-group IDs read from column 1, ' Dec '
zembra-convert: 1 ID converted
--- status
0
### ExtendedAddressingLines
$ zembra-convert --ea
<<< stdin
40000
--- stdout
40000		9C40
--- stderr
--- status
0
### DsdFmeNamesWhatItLeavesOut
$ zembra-convert --csv --format dsd-fme
<<< stdin
DEC
05-
5
--- stdout
DEC,Mode,Name,Tag
5,A,00-005,EDACS
--- stderr
<stdin>: talk-group IDs read from column 1, 'DEC'
<stdin>:2: '05-' is a partial AFS ID (talk groups 640-767); dsd-fme reads no ranges (dsd-neo does); row left out
zembra-convert: 1 ID converted, 1 refused, 1 row left out
--- status
1

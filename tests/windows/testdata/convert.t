# zembra-convert.exe's own cases, run with the CLI's transcripts under Wine:
# standard input and output are binary (CR LF and a Ctrl+Z byte pass as
# they are, shown byte by byte by od), tables and decoder lists come out as
# on Linux, -o saves as on Linux, and Ctrl+C during -o leaves no new file.
# Each holds for the Linux program too.

### LinesOfCrLf
$ printf '1234\r\n09-102\r\n0x4D2\n' | zembra-convert | od -An -c -v
--- stdout
   1   2   3   4  \t   0   9   -   1   0   2  \t   4   D   2  \n
   1   2   3   4  \t   0   9   -   1   0   2  \t   4   D   2  \n
   1   2   3   4  \t   0   9   -   1   0   2  \t   4   D   2  \n
--- stderr
--- status
0
### CrAloneEndsALine
$ printf '1\r2\r' | zembra-convert | od -An -c -v
--- stdout
   1  \t   0   0   -   0   0   1  \t   1  \n   2  \t   0   0   -
   0   0   2  \t   2  \n
--- stderr
--- status
0
### CtrlZIsAByte
$ printf '1\n\032\n2\032\n3\n' | zembra-convert | od -An -c -v
--- stdout
   1  \t   0   0   -   0   0   1  \t   1  \n  \t  \t  \n  \t  \t
  \n   3  \t   0   0   -   0   0   3  \t   3  \n
--- stderr
<stdin>:2: '\x1a' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)
<stdin>:3: '2\x1a' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)
zembra-convert: 2 IDs converted, 2 refused
--- status
0
### NoFinalLineEnd
$ printf 1234 | zembra-convert --to afs | od -An -c -v
--- stdout
   0   9   -   1   0   2  \n
--- stderr
--- status
0
### Utf8ByteOrderMark
$ printf '\357\273\2771234\n' | zembra-convert | od -An -c -v
--- stdout
   1   2   3   4  \t   0   9   -   1   0   2  \t   4   D   2  \n
--- stderr
--- status
0
### Utf16Refused
$ printf '\377\3761\0002\000\n\000' | zembra-convert
--- stdout
--- stderr
<stdin>: UTF-16 text, which is not read; convert it to UTF-8 first, e.g. with iconv -f UTF-16 -t UTF-8
zembra-convert: no IDs converted; the run failed
--- status
2
### TableOnStdinKeepsCrLf
$ printf 'Decimal\tAFS\tAlpha Tag\r\n1234\t09-102\tPD Disp\r\n100\t00-101\tClash\r\n' | zembra-convert --csv | od -An -c -v
--- stdout
   D   e   c   i   m   a   l  \t   A   F   S  \t   A   l   p   h
   a       T   a   g  \t   H   e   x  \r  \n   1   2   3   4  \t
   0   9   -   1   0   2  \t   P   D       D   i   s   p  \t   4
   D   2  \r  \n   1   0   0  \t   0   0   -   1   0   1  \t   C
   l   a   s   h  \t   6   4  \r  \n
--- stderr
<stdin>: talk-group IDs read from column 1, 'Decimal'
<stdin>:3: Decimal '100' and AFS '00-101' name different talk groups (100, 81)
zembra-convert: 2 IDs converted
--- status
0
### TableFromAFile
$ zembra-convert --csv in.tsv
<<< in.tsv
Decimal	AFS	Alpha Tag	Mode	Description
1234	09-102	PD Disp	D	Dispatch über
2047		Fire	T	"Big" Tac
9999		Bad	D	out of range
100	00-101	Clash	D	disagrees
--- stdout
Decimal	AFS	Alpha Tag	Mode	Description	Hex
1234	09-102	PD Disp	D	Dispatch über	4D2
2047	15-157	Fire	T	"""Big"" Tac"	7FF
9999		Bad	D	out of range	
100	00-101	Clash	D	disagrees	64
--- stderr
in.tsv: talk-group IDs read from column 1, 'Decimal'
in.tsv:4: '9999' is above 2047: an Extended Addressing ID has no AFS form
in.tsv:5: Decimal '100' and AFS '00-101' name different talk groups (100, 81)
zembra-convert: 3 IDs converted, 1 refused
--- status
1
### DsdList
$ zembra-convert --csv --format dsd in.tsv
<<< in.tsv
Decimal	AFS	Alpha Tag	Mode	Description
1234	09-102	PD Disp	D	Dispatch über
2047		Fire	T	"Big" Tac
9999		Bad	D	out of range
--- stdout
DEC,Mode,Name,Tag
1234,A,PD Disp,EDACS
2047,A,Fire,EDACS
--- stderr
in.tsv: talk-group IDs read from column 1, 'Decimal'
in.tsv:4: '9999' is above 2047: an Extended Addressing ID has no AFS form; row left out
zembra-convert: 2 IDs converted, 1 refused, 1 row left out
--- status
1
### RadioReference
$ zembra-convert --csv --format radioreference in.tsv
<<< in.tsv
Decimal	AFS	Alpha Tag	Mode	Description
1234	09-102	PD Disp	D	Dispatch über
2047		Fire	T	"Big" Tac
--- stdout
Decimal,Hex,Alpha Tag,Mode,Description,Tag,Category
1234,4d2,PD Disp,D,Dispatch über,,
2047,7ff,Fire,T,'Big' Tac,,
--- stderr
in.tsv: talk-group IDs read from column 1, 'Decimal'
in.tsv:3: Description '"Big" Tac' written as ''Big' Tac'
zembra-convert: 2 IDs converted
--- status
0
### QuotedCsv
$ zembra-convert --csv
<<< stdin
ID,Name
1234,"a, b"
"5",x
--- stdout
ID,Name,Decimal,AFS,Hex
1234,"a, b",1234,09-102,4D2
5,x,5,00-005,5
--- stderr
<stdin>: talk-group IDs read from column 1, 'ID'
zembra-convert: 2 IDs converted
--- status
0
### AutoTable
$ zembra-convert --auto
<<< stdin
ID,Name
1234,"a, b"
"5",x
--- stdout
ID,Name,Decimal,AFS,Hex
1234,"a, b",1234,09-102,4D2
5,x,5,00-005,5
--- stderr
<stdin>: talk-group IDs read from column 1, 'ID'
zembra-convert: 2 IDs converted
--- status
0
### ColumnByNumber
$ zembra-convert --csv --column 2
<<< stdin
Name,ID
a,1234
--- stdout
Name,ID,Decimal,AFS,Hex
a,1234,1234,09-102,4D2
--- stderr
<stdin>: talk-group IDs read from column 2, 'ID'
zembra-convert: 1 ID converted
--- status
0
### TwoInputsAndStandardInput
$ zembra-convert a - b
<<< a
1
<<< b
2
<<< stdin
3
--- stdout
1	00-001	1
3	00-003	3
2	00-002	2
--- stderr
--- status
0
### Refusals
$ zembra-convert
<<< stdin
2048
x
-1
16-000

--- stdout
		
		
		
		
		
--- stderr
<stdin>:1: '2048' is above 2047: an Extended Addressing ID has no AFS form
<stdin>:2: 'x' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)
<stdin>:3: '-1' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)
<stdin>:4: '16-000' is not a talk-group ID: agency 16 is beyond 15
<stdin>:5: '' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)
zembra-convert: no IDs converted, 5 refused
--- status
1
### OutputCreated
$ zembra-convert -o out.txt
<<< stdin
1
2
--- stdout
--- stderr
--- status
0
--- out.txt
1	00-001	1
2	00-002	2
### OutputReplaced
$ zembra-convert -o out.txt --to afs
<<< stdin
1234
<<< out.txt
old
--- stdout
--- stderr
--- status
0
--- out.txt
09-102
### FolderAsInputLeavesTheOutput
$ zembra-convert -o out.txt .
<<< out.txt
old
--- stdout
--- stderr
zembra-convert: .: Is a directory
zembra-convert: out.txt left unchanged
zembra-convert: no IDs converted; the run failed
--- status
2
### InterruptedRunLeavesNoNewFile
$ mkfifo fifo; exec 3<>fifo; env --default-signal=INT zembra-convert -o out.txt fifo & for i in $(seq 200); do ls -A | grep -q '^[.]out[.]txt[.]' && break; sleep 0.05; done; ls -A | grep -c '^[.]out[.]txt[.]'; kill -INT $!; wait $!; exec 3>&-; rm fifo; for i in $(seq 40); do ls -A | grep -q '^[.]out' || break; sleep 0.25; done; ls -A
<<< out.txt
old
--- stdout
1
out.txt
--- stderr
--- status
0

# Decoder logs: what was heard, as a listing or a decoder list, and the fleetmap report.

### LogHeard
$ zembra-convert --log
<<< stdin
2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group Voice Call;
--- stdout
Decimal,AFS,Hex,Alpha Tag,Heard,First heard,Last heard,Radios,Calls
1234,09-102,4D2,TG 1234 (09-102),1,2026/08/22 14:53:31,2026/08/22 14:53:31,1,Analog Group Voice
--- stderr
--- status
0
### LogAsDecoderList
$ zembra-convert --log --format dsd-neo
<<< stdin
2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group Voice Call;
--- stdout
DEC,Mode,Name,Tag
1234,A,TG 1234 (09-102),EDACS
--- stderr
heard talk groups: talk-group IDs read from column 1, 'Decimal'
zembra-convert: 1 ID converted
--- status
0
### LogMergedIntoAMissingListing
$ zembra-convert --log --merge missing -o out2
<<< stdin
2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group Voice Call;
--- stdout
--- stderr
zembra-convert: missing: No such file or directory
zembra-convert: out2 not created
zembra-convert: no IDs converted; the run failed
--- status
2
### LogOfADirectory
$ zembra-convert --log . -o out2
--- stdout
--- stderr
zembra-convert: .: Is a directory
zembra-convert: out2 not created
zembra-convert: no IDs converted; the run failed
--- status
2
### FleetmapsOfALog
$ zembra-convert --fleetmaps --log
<<< stdin
2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group Voice Call;
--- stdout
Splits ranked by how well the log fits them:
1:1:9  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
1:2:8  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
1:3:7  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
1:4:6  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
1:5:5  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
1:6:4  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
1:7:3  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
1:8:2  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
1:9:1  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
2:1:8  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
2:2:7  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
2:3:6  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
2:4:5  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
2:5:4  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
2:6:3  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
2:7:2  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
2:8:1  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
3:1:7  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
3:2:6  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
3:3:5  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
3:4:4  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
3:5:3  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
3:6:2  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
3:7:1  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
4:1:6  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
4:2:5  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
4:3:4  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
4:4:3  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
4:5:2  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
4:6:1  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
5:1:5  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
5:2:4  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
5:3:3  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
5:4:2  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
5:5:1  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
6:1:4  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
6:2:3  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
6:3:2  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
6:4:1  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
7:1:3  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
7:2:2  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
7:3:1  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
8:1:2  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
8:2:1  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
9:1:1  0  for: 0 of 0 calls in place, 0 neighbours agree; against: nothing
The log names no calls and no departments, so it does not decide between any of the 45 splits.
--- stderr
--- status
0
### FleetmapsOfATransitSystem
# A 3:4:4 system: three departments with their agency and fleet calls, the
# police's fleets and subfleets beyond what 4:4:3 or 3:5:3 holds, and a
# stray row.
$ zembra-convert --fleetmaps listing
<<< listing
Decimal,Alpha Tag,Description
256,TPD All Call,Agency
272,TPD Patrol Fleet,
273,TPD Patrol 1,North
274,TPD Patrol 2,South
275,TPD Patrol 3,
276,TPD Patrol 4,
277,TPD Patrol 5,
278,TPD Patrol 6,
279,TPD Patrol 7,
280,TPD Patrol 8,
281,TPD Patrol 9,
288,TPD Traffic Fleet,
289,TPD Traffic 1,
290,TPD Traffic 2,
400,TPD Detective Fleet,
401,TPD Detective 1,
512,FD All Call,
528,FD Fire Fleet,
529,FD Fire 1,
530,FD Fire 2,
544,FD EMS Common,
545,FD EMS 1,
768,EMS All Call,
784,EMS Medic Fleet,
785,EMS Medic 1,
100,Unknown,
--- stdout
Splits ranked by how well the listing fits them:
3:4:4  +52  for: 9 of 9 calls in place, 43 neighbours agree; against: nothing
4:3:4  +48  for: 9 of 9 calls in place, 42 neighbours agree; against: 1 neighbour disagrees, 2 rows outside their call's agency or fleet
5:2:4  +48  for: 9 of 9 calls in place, 42 neighbours agree; against: 1 neighbour disagrees, 2 rows outside their call's agency or fleet
3:5:3  +47  for: 9 of 9 calls in place, 42 neighbours agree; against: 1 neighbour disagrees, 1 group on a call's place, 2 rows outside their call's agency or fleet
2:5:4  +46  for: 7 of 9 calls in place, 42 neighbours agree; against: 2 calls out of place, 1 neighbour disagrees
3:3:5  +44  for: 5 of 9 calls in place, 43 neighbours agree; against: 4 calls out of place
4:4:3  +43  for: 9 of 9 calls in place, 41 neighbours agree; against: 2 neighbours disagree, 1 group on a call's place, 4 rows outside their call's agency or fleet
5:3:3  +43  for: 9 of 9 calls in place, 41 neighbours agree; against: 2 neighbours disagree, 1 group on a call's place, 4 rows outside their call's agency or fleet
1:6:4  +42  for: 6 of 9 calls in place, 41 neighbours agree; against: 3 calls out of place, 2 neighbours disagree
2:6:3  +41  for: 7 of 9 calls in place, 41 neighbours agree; against: 2 calls out of place, 2 neighbours disagree, 1 group on a call's place, 2 rows outside their call's agency or fleet
3:6:2  +40  for: 9 of 9 calls in place, 41 neighbours agree; against: 2 neighbours disagree, 2 groups on a call's place, 6 rows outside their call's agency or fleet
4:2:5  +40  for: 5 of 9 calls in place, 42 neighbours agree; against: 4 calls out of place, 1 neighbour disagrees, 2 rows outside their call's agency or fleet
5:1:5  +40  for: 5 of 9 calls in place, 42 neighbours agree; against: 4 calls out of place, 1 neighbour disagrees, 2 rows outside their call's agency or fleet
6:1:4  +39  for: 9 of 9 calls in place, 40 neighbours agree; against: 3 neighbours disagree, 7 rows outside their call's agency or fleet
2:4:5  +38  for: 3 of 9 calls in place, 42 neighbours agree; against: 6 calls out of place, 1 neighbour disagrees
1:7:3  +37  for: 6 of 9 calls in place, 40 neighbours agree; against: 3 calls out of place, 3 neighbours disagree, 1 group on a call's place, 2 rows outside their call's agency or fleet
3:1:7  +36  for: 3 of 9 calls in place, 41 neighbours agree; against: 6 calls out of place, 2 neighbours disagree
3:2:6  +36  for: 3 of 9 calls in place, 41 neighbours agree; against: 6 calls out of place, 2 neighbours disagree
4:5:2  +36  for: 9 of 9 calls in place, 40 neighbours agree; against: 3 neighbours disagree, 2 groups on a call's place, 8 rows outside their call's agency or fleet
5:4:2  +36  for: 9 of 9 calls in place, 40 neighbours agree; against: 3 neighbours disagree, 2 groups on a call's place, 8 rows outside their call's agency or fleet
1:5:5  +34  for: 2 of 9 calls in place, 41 neighbours agree; against: 7 calls out of place, 2 neighbours disagree
2:7:2  +34  for: 7 of 9 calls in place, 40 neighbours agree; against: 2 calls out of place, 3 neighbours disagree, 2 groups on a call's place, 6 rows outside their call's agency or fleet
6:2:3  +34  for: 9 of 9 calls in place, 39 neighbours agree; against: 4 neighbours disagree, 1 group on a call's place, 9 rows outside their call's agency or fleet
4:1:6  +32  for: 3 of 9 calls in place, 40 neighbours agree; against: 6 calls out of place, 3 neighbours disagree, 2 rows outside their call's agency or fleet
1:8:2  +30  for: 6 of 9 calls in place, 39 neighbours agree; against: 3 calls out of place, 4 neighbours disagree, 2 groups on a call's place, 6 rows outside their call's agency or fleet
2:2:7  +30  for: 1 of 9 calls in place, 40 neighbours agree; against: 8 calls out of place, 3 neighbours disagree
2:3:6  +30  for: 1 of 9 calls in place, 40 neighbours agree; against: 8 calls out of place, 3 neighbours disagree
2:1:8  +28  for: 1 of 9 calls in place, 39 neighbours agree; against: 8 calls out of place, 4 neighbours disagree
6:3:2  +27  for: 9 of 9 calls in place, 38 neighbours agree; against: 5 neighbours disagree, 2 groups on a call's place, 13 rows outside their call's agency or fleet
1:3:7  +26  for: 0 of 9 calls in place, 39 neighbours agree; against: 9 calls out of place, 4 neighbours disagree
1:4:6  +26  for: 0 of 9 calls in place, 39 neighbours agree; against: 9 calls out of place, 4 neighbours disagree
1:1:9  +24  for: 0 of 9 calls in place, 38 neighbours agree; against: 9 calls out of place, 5 neighbours disagree
1:2:8  +24  for: 0 of 9 calls in place, 38 neighbours agree; against: 9 calls out of place, 5 neighbours disagree
3:7:1  +24  for: 9 of 9 calls in place, 37 neighbours agree; against: 6 neighbours disagree, 6 groups on a call's place, 10 rows outside their call's agency or fleet
4:6:1  +20  for: 9 of 9 calls in place, 36 neighbours agree; against: 7 neighbours disagree, 6 groups on a call's place, 12 rows outside their call's agency or fleet
5:5:1  +20  for: 9 of 9 calls in place, 36 neighbours agree; against: 7 neighbours disagree, 6 groups on a call's place, 12 rows outside their call's agency or fleet
2:8:1  +18  for: 7 of 9 calls in place, 36 neighbours agree; against: 2 calls out of place, 7 neighbours disagree, 6 groups on a call's place, 10 rows outside their call's agency or fleet
1:9:1  +14  for: 6 of 9 calls in place, 35 neighbours agree; against: 3 calls out of place, 8 neighbours disagree, 6 groups on a call's place, 10 rows outside their call's agency or fleet
7:1:3  +13  for: 9 of 9 calls in place, 36 neighbours agree; against: 7 neighbours disagree, 1 group on a call's place, 24 rows outside their call's agency or fleet
6:4:1  +11  for: 9 of 9 calls in place, 34 neighbours agree; against: 9 neighbours disagree, 6 groups on a call's place, 17 rows outside their call's agency or fleet
7:2:2  +6  for: 9 of 9 calls in place, 35 neighbours agree; against: 8 neighbours disagree, 2 groups on a call's place, 28 rows outside their call's agency or fleet
8:1:2  +4  for: 9 of 9 calls in place, 34 neighbours agree; against: 9 neighbours disagree, 2 groups on a call's place, 28 rows outside their call's agency or fleet
7:3:1  -10  for: 9 of 9 calls in place, 31 neighbours agree; against: 12 neighbours disagree, 6 groups on a call's place, 32 rows outside their call's agency or fleet
8:2:1  -12  for: 9 of 9 calls in place, 30 neighbours agree; against: 13 neighbours disagree, 6 groups on a call's place, 32 rows outside their call's agency or fleet
9:1:1  -14  for: 9 of 9 calls in place, 29 neighbours agree; against: 14 neighbours disagree, 6 groups on a call's place, 32 rows outside their call's agency or fleet
The rows that decided 3:4:4:
  listing:15: 'TPD Traffic 2' (290, 1:02:02) and 'TPD Detective Fleet' (400, 1:09:00), of one department, share an agency
  listing:16: 'TPD Detective Fleet' (400, 1:09:00) lies in the agency of its call 'TPD All Call' (256, 1:00:00)
  listing:17: 'TPD Detective 1' (401, 1:09:01) lies in the agency of its call 'TPD All Call' (256, 1:00:00)
The rows that decided 4:3:4:
  listing:15: 'TPD Traffic 2' (290, 02:2:02) and 'TPD Detective Fleet' (400, 03:1:00), of one department, lie across more than one agency
  listing:16: 'TPD Detective Fleet' (400, 03:1:00) lies outside the agency of its call 'TPD All Call' (256, 02:0:00)
  listing:17: 'TPD Detective 1' (401, 03:1:01) lies outside the agency of its call 'TPD All Call' (256, 02:0:00)
The rows that decided 5:2:4:
  listing:15: 'TPD Traffic 2' (290, 04:2:02) and 'TPD Detective Fleet' (400, 06:1:00), of one department, lie across more than one agency
  listing:16: 'TPD Detective Fleet' (400, 06:1:00) lies outside the agency of its call 'TPD All Call' (256, 04:0:00)
  listing:17: 'TPD Detective 1' (401, 06:1:01) lies outside the agency of its call 'TPD All Call' (256, 04:0:00)
Best fit 3:4:4: -fh344 for the decoders, --split 3:4:4 for Zembra.
3:4:4 fits clearly better than 4:3:4.
--- stderr
--- status
0
### LogMerged
# Merged into a listing: its rows first, as they were, then the groups it lacks.
$ zembra-convert --log --merge listing log
<<< listing
DEC,Alpha Tag,Mode,Description
1234,PD Main,D,"Dispatch, north"
100,Fire,A
x,Broken,A,kept
<<< log
2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group Voice Call;
2026/08/22 14:55:00 EDACS/PV AFS: 00-011 (9); LID: 00001; LCN: 01; Site: 1; Analog Emergency Group Voice Call;
--- stdout
DEC,Alpha Tag,Mode,Description,Heard,First heard,Last heard,Radios,Calls
1234,PD Main,D,"Dispatch, north",1,2026/08/22 14:53:31,2026/08/22 14:53:31,1,Analog Group Voice
100,Fire,A,,0,,,0,
x,Broken,A,kept,0,,,0,
9,TG 9 (00-011),,,1,2026/08/22 14:55:00,2026/08/22 14:55:00,1,Analog Emergency Group Voice
--- stderr
listing:4: 'x' is not a talk-group ID (0-2047, AA-FFS or 0x0-0x7FF)
--- status
1
### LogMergedByAfs
# A listing keyed by AFS, tab-separated: stub rows give each ID column its form.
$ zembra-convert --log --merge listing log
<<< listing
AFS	Hex	Name
09-102	4d2	PD Main
<<< log
2026/08/22 14:55:00 EDACS/PV AFS: 00-011 (9); LID: 00001; LCN: 01; Site: 1; Analog Group Voice Call;
--- stdout
AFS	Hex	Name	Heard	First heard	Last heard	Radios	Calls
09-102	4d2	PD Main	0			0	
00-011	9	TG 9 (00-011)	1	2026/08/22 14:55:00	2026/08/22 14:55:00	1	Analog Group Voice
--- stderr
--- status
0
### LogMergedEmptyLines
# Empty lines inside the listing keep their place; those before its header do not.
$ zembra-convert --log --merge listing log
<<< listing

DEC,Alpha Tag,Mode
1234,PD Main,D

100,Fire,A


200,"EMS
North",A
<<< log
2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group Voice Call;
2026/08/22 14:55:00 EDACS/PV AFS: 00-011 (9); LID: 00001; LCN: 01; Site: 1; Analog Emergency Group Voice Call;
--- stdout
DEC,Alpha Tag,Mode,Heard,First heard,Last heard,Radios,Calls
1234,PD Main,D,1,2026/08/22 14:53:31,2026/08/22 14:53:31,1,Analog Group Voice

100,Fire,A,0,,,0,


200,"EMS
North",A,0,,,0,
9,TG 9 (00-011),,1,2026/08/22 14:55:00,2026/08/22 14:55:00,1,Analog Emergency Group Voice
--- stderr
--- status
0
### LogMergedAsDecoderList
# Merged and written as a decoder list, which has no place for an empty line: one message names them all.
$ zembra-convert --log --format dsd-neo --merge listing log
<<< listing
DEC,Alpha Tag,Mode
1234,PD Main,D

100,Fire,A


200,EMS,A
<<< log
2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group Voice Call;
2026/08/22 14:55:00 EDACS/PV AFS: 00-011 (9); LID: 00001; LCN: 01; Site: 1; Analog Emergency Group Voice Call;
--- stdout
DEC,Mode,Name,Tag
1234,A,PD Main,EDACS
100,A,Fire,EDACS
200,A,EMS,EDACS
9,A,TG 9 (00-011),EDACS
--- stderr
heard talk groups: talk-group IDs read from column 1, 'DEC'
heard talk groups:3: the first of 3 empty lines, all left out
zembra-convert: 4 IDs converted
--- status
0
### LogMergedTwice
# A listing merged before: its heard columns, wherever they stand, hold what the logs given now say, and a message says so; no second set is added.
$ zembra-convert --log --merge listing log
<<< listing
DEC,Alpha Tag,Heard,First heard,Last heard,Radios,Calls,Mode
1234,PD Main,1,2026/08/22 14:53:31,2026/08/22 14:53:31,1,Analog Group Voice,D
100,Fire,7,2026/08/20 10:00:00,2026/08/21 11:00:00,3,Digital Group Voice,A
9,TG 9 (00-011),1,2026/08/22 14:55:00,2026/08/22 14:55:00,1,Analog Emergency Group Voice,
<<< log
2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group Voice Call;
2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group Voice Call;
2026/08/22 14:55:00 EDACS/PV AFS: 00-011 (9); LID: 00001; LCN: 01; Site: 1; Analog Emergency Group Voice Call;
--- stdout
DEC,Alpha Tag,Heard,First heard,Last heard,Radios,Calls,Mode
1234,PD Main,2,2026/08/22 14:53:31,2026/08/22 14:53:31,1,Analog Group Voice,D
100,Fire,0,,,0,,A
9,TG 9 (00-011),1,2026/08/22 14:55:00,2026/08/22 14:55:00,1,Analog Emergency Group Voice,
--- stderr
listing: its columns Heard, First heard, Last heard, Radios, Calls (from an earlier merge) now hold what these logs say; what they held is replaced
--- status
0
### LogMergedUnclosedQuote
# A listing whose quoted field never closes is not merged, and says where
# the field opens: no row after it is lost without a word.
$ zembra-convert --log --merge listing log
<<< listing
DEC,Alpha Tag,Mode
1234,PD Main,D
100,"Fire,A
200,EMS,A
<<< log
2026/08/22 14:53:31 EDACS/PV AFS: 09-102 (1234); LID: 00123; LCN: 02; Site: 1; Analog Group Voice Call;
--- stdout
--- stderr
listing:3: a quoted field opens here and does not close
zembra-convert: no IDs converted; the run failed
--- status
2

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

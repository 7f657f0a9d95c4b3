# Standard output and error that cannot be written: a full disk.

### HelpToAFullDisk
$ zembra-convert --help >/dev/full
--- stdout
--- stderr
zembra-convert: cannot write standard output: No space left on device
--- status
2
### OutputToAFullDisk
$ zembra-convert --to afs >/dev/full
<<< stdin
1
--- stdout
--- stderr
zembra-convert: cannot write standard output: No space left on device
zembra-convert: 1 ID converted; the run failed
--- status
2
### UsageErrorToAFullDisk
$ zembra-convert --nope 2>/dev/full
--- stdout
--- stderr
--- status
2
### RefusalsToAFullDisk
$ zembra-convert 2>/dev/full
<<< stdin
x
--- stdout
		
--- stderr
--- status
2

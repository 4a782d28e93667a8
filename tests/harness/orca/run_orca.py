# Runs /usr/bin/orca's main() unchanged except for its single-instance check:
# otherOrcas() runs `pgrep -u UID -x orca`, i.e. it sees every Orca of this user
# on the machine (other private sessions too) and would refuse to start (and
# --replace would SIGKILL them all). Each private session gets its own Orca.
import sys
import types

launcher = "/usr/bin/orca"
mod = types.ModuleType("orca_launcher")
mod.__file__ = launcher
with open(launcher, encoding="utf-8") as f:
    code = compile(f.read(), launcher, "exec")
sys.argv[0] = launcher
exec(code, mod.__dict__)          # defines main(); the __main__ guard does not fire
mod.otherOrcas = lambda: []
sys.exit(mod.main())

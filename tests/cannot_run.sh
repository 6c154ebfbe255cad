# Sourced by the scripts that run a test only where this machine can.
# cannot WHAT WHY ends the test as skipped, exit code 77, saying why; but as
# failed where the comma-separated YELPIT_REQUIRE lists WHAT, as the workflow
# does on the machines that must run it.
cannot() {
  case ",${YELPIT_REQUIRE:-}," in
    *,"$1",*) echo "FAILED: $2 (YELPIT_REQUIRE=$YELPIT_REQUIRE: it must run here)" >&2 && exit 1 ;;
  esac
  echo "SKIPPED: $2" >&2
  exit 77
}

# cannot WHAT WHY: a test this machine cannot run skips (77), saying why, or
# fails where the comma-separated YELPIT_REQUIRE lists WHAT, as CI's does.
cannot() {
  case ",${YELPIT_REQUIRE:-}," in
    *,"$1",*) echo "FAILED: $2 (YELPIT_REQUIRE=$YELPIT_REQUIRE: it must run here)" >&2 && exit 1 ;;
  esac
  echo "SKIPPED: $2" >&2
  exit 77
}

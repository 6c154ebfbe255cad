# Tests the Yelpit.exe built on Debian, the bytes we ship, with the driver
# built there beside it in shipped/: the image checks at the shipped limits,
# then every mode of the driver. Each part's output is kept in logs/.
New-Item -ItemType Directory -Force logs | Out-Null
python tests/pe_check.py shipped/Yelpit.exe shipped/Yelpit.exe.manifest | Tee-Object logs/pe_check.log
$failed = $LASTEXITCODE
foreach ($run in @('boxes', 'batch', 'unseen', 'resources')) {
  $arguments = switch ($run) {
    'batch' { @('batch', "$PWD\examples") }
    'resources' { @('resources', "$PWD\shipped\Yelpit.exe") }
    default { @($run) }
  }
  & ./shipped/box_driver.exe @arguments | Tee-Object "logs/$run.log"
  if ($LASTEXITCODE) { $failed = 1 }
}
exit $failed

# Saves the whole desktop, as it is now, to logs/desktop.png.
New-Item -ItemType Directory -Force logs | Out-Null
Add-Type -AssemblyName System.Windows.Forms, System.Drawing
$screen = [System.Windows.Forms.Screen]::PrimaryScreen.Bounds
$picture = New-Object System.Drawing.Bitmap $screen.Width, $screen.Height
[System.Drawing.Graphics]::FromImage($picture).CopyFromScreen($screen.Location, [System.Drawing.Point]::Empty, $screen.Size)
$picture.Save("$PWD\logs\desktop.png")

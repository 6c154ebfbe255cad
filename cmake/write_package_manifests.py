#!/usr/bin/env python3
"""Writes, beside a release zip, what winget and Scoop install it from: a
winget manifest set (schema 1.12.0) laid out as the winget-pkgs repository
keeps it, under winget/, and the Scoop manifest yelpit.json. Both carry the
zip's SHA-256 and its download address; the same zip gives the same bytes.

Usage: write_package_manifests.py ZIP VERSION x86|amd64 REPOSITORY-URL
       IDENTIFIER PUBLISHER COPYRIGHT WEB-ADDRESS DESCRIPTION LICENSE-FILE
"""
import hashlib
import json
import os
import sys

SCHEMA = '1.12.0'


def yaml(kind, fields):
    """One winget manifest file: its schema line, then plain key: value pairs;
    a list of mappings is written as YAML's block sequence."""
    lines = ['# yaml-language-server: $schema=https://aka.ms/winget-manifest.%s.%s.schema.json' % (kind, SCHEMA)]
    for key, value in fields + [('ManifestType', kind), ('ManifestVersion', SCHEMA)]:
        if isinstance(value, list):
            lines.append('%s:' % key)
            for item in value:
                lines += [('- ' if i == 0 else '  ') + '%s: %s' % pair for i, pair in enumerate(item)]
        else:
            lines.append('%s: %s' % (key, value))
    return '\n'.join(lines) + '\n'


def main():
    (zip_path, version, architecture, repository, identifier, publisher, copyright, web, description,
     license_file) = sys.argv[1:]
    with open(zip_path, 'rb') as packed:
        digest = hashlib.sha256(packed.read()).hexdigest()
    name = os.path.basename(zip_path)
    url = '%s/releases/download/v%s/%s' % (repository, version, name)
    with open(license_file) as text:
        license_name = text.readline().split()[0]  # "MIT License" gives "MIT"
    folder = os.path.dirname(os.path.abspath(zip_path))

    package = [('PackageIdentifier', identifier), ('PackageVersion', version)]
    # A zip whose Yelpit.exe is used where it lies: its folder goes on PATH, so
    # that Yelpit.exe.manifest beside it is found; a link to the exe alone
    # would leave the manifest behind.
    installer = package + [
        ('InstallerType', 'zip'),
        ('NestedInstallerType', 'portable'),
        ('NestedInstallerFiles', [[('RelativeFilePath', 'Yelpit.exe')]]),
        ('ArchiveBinariesDependOnPath', 'true'),
        ('Installers', [[('Architecture', {'x86': 'x86', 'amd64': 'x64'}[architecture]), ('InstallerUrl', url), ('InstallerSha256', digest.upper())]]),
    ]
    locale = package + [
        ('PackageLocale', 'en-US'),
        ('Publisher', publisher),
        ('PublisherUrl', web),
        ('PackageName', 'Yelpit'),
        ('PackageUrl', repository),
        ('License', license_name),
        ('LicenseUrl', '%s/blob/v%s/LICENSE' % (repository, version)),
        ('Copyright', copyright),
        ('ShortDescription', description),
        ('Moniker', 'yelpit'),
        ('Tags', '[batch, cmd, dialog, messagebox]'),
    ]
    files = {
        identifier + '.yaml': yaml('version', package + [('DefaultLocale', 'en-US')]),
        identifier + '.installer.yaml': yaml('installer', installer),
        identifier + '.locale.en-US.yaml': yaml('defaultLocale', locale),
    }
    winget = os.path.join(folder, 'winget', 'manifests', identifier[0].lower(), *identifier.split('.'), version)
    os.makedirs(winget, exist_ok=True)
    for file_name, content in files.items():
        with open(os.path.join(winget, file_name), 'w', newline='\n') as out:
            out.write(content)

    zip_pattern = name.replace(version, '$version')
    scoop = {
        'version': version,
        'description': description,
        'homepage': web,
        'license': license_name,
        'url': url,
        'hash': digest,
        'bin': 'Yelpit.exe',
        'checkver': {'github': repository},
        'autoupdate': {'url': '%s/releases/download/v$version/%s' % (repository, zip_pattern)},
    }
    with open(os.path.join(folder, 'yelpit.json'), 'w', newline='\n') as out:
        out.write(json.dumps(scoop, indent=4) + '\n')


if __name__ == '__main__':
    main()
